zuta_test(tst_demarrage GUI SOURCES app/tst_demarrage.cpp)
