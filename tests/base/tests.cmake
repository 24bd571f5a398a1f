# Core tests of the recipe base.
zuta_test(TestConversion SOURCES base/tst_conversion.cpp)
