zuta_test(tst_fichierbase SOURCES base/tst_fichierbase.cpp)
# Core tests of the recipe base.
zuta_test(TestPannes SOURCES base/tst_pannes.cpp)
