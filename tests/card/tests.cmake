zuta_test(tst_fiche GUI SOURCES card/tst_fiche.cpp)
