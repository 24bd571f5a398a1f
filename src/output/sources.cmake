target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesSorties.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesSorties.cpp)
