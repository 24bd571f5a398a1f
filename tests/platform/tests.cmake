zuta_test(tst_politique SOURCES platform/tst_politique.cpp)
