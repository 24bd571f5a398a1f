zuta_test(tst_plateforme GUI SOURCES platform/tst_plateforme.cpp)
