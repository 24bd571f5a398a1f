zuta_test(tst_demarrage GUI SOURCES app/tst_demarrage.cpp)
zuta_test(tst_bases GUI SOURCES app/tst_bases.cpp)
zuta_test(tst_fiabilite GUI SOURCES app/tst_fiabilite.cpp)
zuta_test(tst_parcours GUI SOURCES app/tst_parcours.cpp)
