# The rich-text reader and the shortcut reader touch no widget; the windows do.
target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LecteurRtf.h
  ${CMAKE_CURRENT_LIST_DIR}/LecteurRtf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RaccourciInternet.h
  ${CMAKE_CURRENT_LIST_DIR}/RaccourciInternet.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Dessins.h
  ${CMAKE_CURRENT_LIST_DIR}/Dessins.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmApropos.h
  ${CMAKE_CURRENT_LIST_DIR}/FrmApropos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmAide.h
  ${CMAKE_CURRENT_LIST_DIR}/FrmAide.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmSauvegarde.h
  ${CMAKE_CURRENT_LIST_DIR}/FrmSauvegarde.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MiseEnFormeRtf.h
  ${CMAKE_CURRENT_LIST_DIR}/MiseEnFormeRtf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImagesApropos.h
  ${CMAKE_CURRENT_LIST_DIR}/ImagesApropos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FenetreProgression.h
  ${CMAKE_CURRENT_LIST_DIR}/FenetreProgression.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFenetres.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFenetres.cpp)
