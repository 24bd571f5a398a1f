zuta_test(TestMiseEnPageIndex SOURCES output/tst_miseenpageindex.cpp)
zuta_test(TestSorties GUI SOURCES output/tst_sorties.cpp)
