target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFenetres.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesFenetres.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FrmSauvegarde.h ${CMAKE_CURRENT_LIST_DIR}/FrmSauvegarde.cpp)

# The rich-text reader of the help window touches no widget and no Qt Gui class.
target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LecteurRtf.h ${CMAKE_CURRENT_LIST_DIR}/LecteurRtf.cpp)
# About and help windows, their pictures, and the layout of a read rich text
# into a QTextDocument (Qt Gui, no widget).
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Dessins.h ${CMAKE_CURRENT_LIST_DIR}/Dessins.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FiltreClic.h ${CMAKE_CURRENT_LIST_DIR}/FiltreClic.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmApropos.h ${CMAKE_CURRENT_LIST_DIR}/FrmApropos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmAide.h ${CMAKE_CURRENT_LIST_DIR}/FrmAide.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MiseEnFormeRtf.h ${CMAKE_CURRENT_LIST_DIR}/MiseEnFormeRtf.cpp)
