target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFenetres.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFenetres.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FrmSauvegarde.h ${CMAKE_CURRENT_LIST_DIR}/FrmSauvegarde.cpp)
