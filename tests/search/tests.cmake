zuta_test(TestRecherche GUI SOURCES search/tst_recherche.cpp)
