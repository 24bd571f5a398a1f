zuta_test(tst_recherche GUI SOURCES search/tst_recherche.cpp)
zuta_test(tst_filtrerecherche SOURCES search/tst_filtrerecherche.cpp)
zuta_test(tst_modeletrouvees SOURCES search/tst_modeletrouvees.cpp)
