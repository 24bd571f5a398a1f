zuta_test(tst_lecteurrtf SOURCES windows/tst_lecteurrtf.cpp)
zuta_test(tst_fenetres GUI SOURCES windows/tst_fenetres.cpp)
