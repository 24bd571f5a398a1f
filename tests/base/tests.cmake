zuta_test(tst_fichierbase SOURCES base/tst_fichierbase.cpp)
zuta_test(tst_fichiers SOURCES base/tst_fichiers.cpp)
