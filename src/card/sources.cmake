# Storing and checking a recipe need no widget; the card panel and its
# routines do.
target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TexteFiche.h
  ${CMAKE_CURRENT_LIST_DIR}/TexteFiche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListeNoms.h
  ${CMAKE_CURRENT_LIST_DIR}/ListeNoms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControleFiche.h
  ${CMAKE_CURRENT_LIST_DIR}/ControleFiche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StockageRecette.h
  ${CMAKE_CURRENT_LIST_DIR}/StockageRecette.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChampsFiche.h
  ${CMAKE_CURRENT_LIST_DIR}/ChampsFiche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PanneauFiche.h
  ${CMAKE_CURRENT_LIST_DIR}/PanneauFiche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFiche.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFiche.cpp)
