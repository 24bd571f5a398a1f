zuta_test(TestSorties GUI SOURCES output/tst_sorties.cpp)
