target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TexteFiche.h ${CMAKE_CURRENT_LIST_DIR}/TexteFiche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListeNoms.h ${CMAKE_CURRENT_LIST_DIR}/ListeNoms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControleFiche.h ${CMAKE_CURRENT_LIST_DIR}/ControleFiche.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChampsFiche.h ${CMAKE_CURRENT_LIST_DIR}/ChampsFiche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFiche.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFiche.cpp)
