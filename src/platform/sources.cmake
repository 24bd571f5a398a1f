# The stand-in for the desktop. Its interfaces and the file checks link only
# Qt Core; the Qt implementations and the window-system helpers need widgets.
target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ErreurExecution.h
  ${CMAKE_CURRENT_LIST_DIR}/Plateforme.h
  ${CMAKE_CURRENT_LIST_DIR}/PlateformeConsole.h
  ${CMAKE_CURRENT_LIST_DIR}/PlateformeConsole.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Impression.h
  ${CMAKE_CURRENT_LIST_DIR}/MiseEnPages.h
  ${CMAKE_CURRENT_LIST_DIR}/MiseEnPages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Progression.h
  ${CMAKE_CURRENT_LIST_DIR}/PolitiqueErreurs.h
  ${CMAKE_CURRENT_LIST_DIR}/PolitiqueErreurs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NatureFichier.h
  ${CMAKE_CURRENT_LIST_DIR}/NatureFichier.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VerrouFichier.h
  ${CMAKE_CURRENT_LIST_DIR}/VerrouFichier.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PolicesEnAvance.h
  ${CMAKE_CURRENT_LIST_DIR}/PolicesEnAvance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlateformeQt.h
  ${CMAKE_CURRENT_LIST_DIR}/PlateformeQt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImpressionQt.h
  ${CMAKE_CURRENT_LIST_DIR}/ImpressionQt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImpressionQtGlyphes.h
  ${CMAKE_CURRENT_LIST_DIR}/ImpressionQtGlyphes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OuvertureBureau.h
  ${CMAKE_CURRENT_LIST_DIR}/OuvertureBureau.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoutonParDefaut.h
  ${CMAKE_CURRENT_LIST_DIR}/Controles.h
  ${CMAKE_CURRENT_LIST_DIR}/Controles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FiltreFocus.h
  ${CMAKE_CURRENT_LIST_DIR}/FiltreFocus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FiltreAnnuler.h
  ${CMAKE_CURRENT_LIST_DIR}/FiltreAnnuler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FiltreClic.h
  ${CMAKE_CURRENT_LIST_DIR}/FiltreClic.cpp)
