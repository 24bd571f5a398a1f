zuta_test(tst_demarrage GUI SOURCES app/tst_demarrage.cpp)
# Tests of the application shell through the real window.
zuta_test(TestBases GUI SOURCES app/tst_bases.cpp)
zuta_test(TestBasesCoupure SOURCES app/tst_bases_coupure.cpp)
# Whole journeys of a user through the real window.
zuta_test(TestParcours GUI SOURCES app/tst_parcours.cpp)
zuta_test(TestFiabilite GUI SOURCES app/tst_fiabilite.cpp)
