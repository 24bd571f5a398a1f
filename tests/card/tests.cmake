zuta_test(tst_stockage SOURCES card/tst_stockage.cpp)
zuta_test(tst_fiche GUI SOURCES card/tst_fiche.cpp)
