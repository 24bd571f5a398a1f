# The recipe base, its files and its life cycle: no widget.
target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EtatProgramme.h
  ${CMAKE_CURRENT_LIST_DIR}/EntreesTout.h
  ${CMAKE_CURRENT_LIST_DIR}/Produit.h
  ${CMAKE_CURRENT_LIST_DIR}/Texte.h
  ${CMAKE_CURRENT_LIST_DIR}/Texte.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Tables.h
  ${CMAKE_CURRENT_LIST_DIR}/Tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Codec.h
  ${CMAKE_CURRENT_LIST_DIR}/Codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Collation.h
  ${CMAKE_CURRENT_LIST_DIR}/Collation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormatNombres.h
  ${CMAKE_CURRENT_LIST_DIR}/FormatNombres.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LecteurValeurs.h
  ${CMAKE_CURRENT_LIST_DIR}/LecteurValeurs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FichierBase.h
  ${CMAKE_CURRENT_LIST_DIR}/FichierBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Fichiers.h
  ${CMAKE_CURRENT_LIST_DIR}/Fichiers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Conversion.h
  ${CMAKE_CURRENT_LIST_DIR}/Conversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListeTrouvee.h
  ${CMAKE_CURRENT_LIST_DIR}/ListeTrouvee.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DocumentBase.h
  ${CMAKE_CURRENT_LIST_DIR}/DocumentBase.cpp)
