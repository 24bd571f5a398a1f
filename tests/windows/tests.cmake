zuta_test(TestFenetres GUI SOURCES windows/tst_fenetres.cpp)
