zuta_test(TstFiche GUI SOURCES card/tst_fiche.cpp)
