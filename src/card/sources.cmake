# The card panel, its entry fields and its routines; what a validation
# decides and stores is in base/, shared with the import.
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChampsFiche.h
  ${CMAKE_CURRENT_LIST_DIR}/ChampsFiche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CompletionNoms.h
  ${CMAKE_CURRENT_LIST_DIR}/CompletionNoms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PanneauFiche.h
  ${CMAKE_CURRENT_LIST_DIR}/PanneauFiche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFiche.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFiche.cpp)
