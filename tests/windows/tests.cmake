zuta_test(TestLecteurRtf SOURCES windows/tst_lecteurrtf.cpp)
zuta_test(TestFenetres GUI SOURCES windows/tst_fenetres.cpp)
