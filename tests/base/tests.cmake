zuta_test(tst_fichierbase SOURCES base/tst_fichierbase.cpp)
zuta_test(tst_tables SOURCES base/tst_tables.cpp)
