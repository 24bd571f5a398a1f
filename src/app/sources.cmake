target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Reglages.h ${CMAKE_CURRENT_LIST_DIR}/Reglages.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EtatProgramme.h
  ${CMAKE_CURRENT_LIST_DIR}/Bases.h ${CMAKE_CURRENT_LIST_DIR}/Bases.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmPrincipal.h ${CMAKE_CURRENT_LIST_DIR}/FrmPrincipal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Lancement.h ${CMAKE_CURRENT_LIST_DIR}/Lancement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Programme.h ${CMAKE_CURRENT_LIST_DIR}/Programme.cpp)
