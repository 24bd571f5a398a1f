zuta_test(tst_demarrage GUI SOURCES app/tst_demarrage.cpp)
zuta_test(tst_reglages SOURCES app/tst_reglages.cpp)
