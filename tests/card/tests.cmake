zuta_test(TstNomsFiche SOURCES card/tst_nomsfiche.cpp)
zuta_test(TstFiche GUI SOURCES card/tst_fiche.cpp)
