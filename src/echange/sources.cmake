# Data in and out: the spreadsheet text the export writes and the import
# reads, its header line, the export, the import of a spreadsheet or another
# base with its report; no widget. The preview window and the routines of the
# window's two buttons need widgets.
target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Csv.h
  ${CMAKE_CURRENT_LIST_DIR}/Csv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EnteteCsv.h
  ${CMAKE_CURRENT_LIST_DIR}/EnteteCsv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExportCsv.h
  ${CMAKE_CURRENT_LIST_DIR}/ExportCsv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FicheImportee.h
  ${CMAKE_CURRENT_LIST_DIR}/FicheImportee.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LectureBase.h
  ${CMAKE_CURRENT_LIST_DIR}/LectureBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SourceImport.h
  ${CMAKE_CURRENT_LIST_DIR}/SourceImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Importation.h
  ${CMAKE_CURRENT_LIST_DIR}/Importation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RapportImport.h
  ${CMAKE_CURRENT_LIST_DIR}/RapportImport.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FenetreApercu.h
  ${CMAKE_CURRENT_LIST_DIR}/FenetreApercu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesEchange.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesEchange.cpp)
