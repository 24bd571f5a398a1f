# The settings files and the command line's runs without window need no
# widget; the main window and the wiring do.
target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Reglages.h
  ${CMAKE_CURRENT_LIST_DIR}/Reglages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReglagesVue.h
  ${CMAKE_CURRENT_LIST_DIR}/ReglagesVue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LigneDeCommande.h
  ${CMAKE_CURRENT_LIST_DIR}/LigneDeCommande.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExecutionSansFenetre.h
  ${CMAKE_CURRENT_LIST_DIR}/ExecutionSansFenetre.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FrmPrincipal.h
  ${CMAKE_CURRENT_LIST_DIR}/FrmPrincipal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Programme.h
  ${CMAKE_CURRENT_LIST_DIR}/Programme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesBases.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesBases.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Fermeture.h
  ${CMAKE_CURRENT_LIST_DIR}/Fermeture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Lancement.h
  ${CMAKE_CURRENT_LIST_DIR}/Lancement.cpp)
