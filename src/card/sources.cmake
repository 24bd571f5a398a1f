target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFiche.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFiche.cpp)
