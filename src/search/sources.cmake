target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesRecherche.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesRecherche.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Interrupteurs.h
  ${CMAKE_CURRENT_LIST_DIR}/Interrupteurs.cpp)
