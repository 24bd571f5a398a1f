zuta_test(TestListeTrouvee SOURCES search/tst_listetrouvee.cpp)
zuta_test(TestRecherche GUI SOURCES search/tst_recherche.cpp)
