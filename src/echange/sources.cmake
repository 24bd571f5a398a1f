# Data in and out: the spreadsheet text the export writes and the import
# reads, and its header line. No widget.
target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Csv.h
  ${CMAKE_CURRENT_LIST_DIR}/Csv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EnteteCsv.h
  ${CMAKE_CURRENT_LIST_DIR}/EnteteCsv.cpp)
