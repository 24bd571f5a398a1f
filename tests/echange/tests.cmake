zuta_test(tst_csv SOURCES echange/tst_csv.cpp)
