zuta_test(tst_recherche GUI SOURCES search/tst_recherche.cpp)
