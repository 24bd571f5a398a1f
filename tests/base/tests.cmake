zuta_test(tst_fichierbase SOURCES base/tst_fichierbase.cpp)
zuta_test(tst_fichiers SOURCES base/tst_fichiers.cpp)
zuta_test(tst_stockage SOURCES base/tst_stockage.cpp)
zuta_test(tst_repertoirenoms SOURCES base/tst_repertoirenoms.cpp)
