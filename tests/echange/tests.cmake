zuta_test(tst_csv SOURCES echange/tst_csv.cpp)
zuta_test(tst_import SOURCES echange/tst_import.cpp)
