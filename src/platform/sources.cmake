target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ErreurExecution.h
  ${CMAKE_CURRENT_LIST_DIR}/Plateforme.h
  ${CMAKE_CURRENT_LIST_DIR}/Impression.h
  ${CMAKE_CURRENT_LIST_DIR}/PolitiqueErreurs.h
  ${CMAKE_CURRENT_LIST_DIR}/PolitiqueErreurs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlateformeScriptee.h
  ${CMAKE_CURRENT_LIST_DIR}/PlateformeScriptee.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NatureFichier.h
  ${CMAKE_CURRENT_LIST_DIR}/NatureFichier.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VerrouFichier.h
  ${CMAKE_CURRENT_LIST_DIR}/VerrouFichier.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PlateformeQt.h
  ${CMAKE_CURRENT_LIST_DIR}/PlateformeQt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OuvertureBureau.h
  ${CMAKE_CURRENT_LIST_DIR}/OuvertureBureau.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ImpressionQt.h
  ${CMAKE_CURRENT_LIST_DIR}/ImpressionQt.cpp)
target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RaccourciInternet.h ${CMAKE_CURRENT_LIST_DIR}/RaccourciInternet.cpp)
