zuta_test(tst_sorties SOURCES output/tst_sorties.cpp)
