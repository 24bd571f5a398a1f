zuta_test(TstNomsFiche SOURCES card/tst_nomsfiche.cpp)
