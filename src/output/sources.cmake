# The index file and the printouts work on data handed in: no widget.
target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ImpressionSousPolitique.h
  ${CMAKE_CURRENT_LIST_DIR}/MiseEnPageIndex.h
  ${CMAKE_CURRENT_LIST_DIR}/MiseEnPageIndex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesSorties.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesSorties.cpp)
