zuta_test(tst_generateur SOURCES base/tst_generateur.cpp)
