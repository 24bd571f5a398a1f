# The search filter and the found list's order need no widget; the panel and
# its routines do.
target_sources(zuta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FiltreRecherche.h
  ${CMAKE_CURRENT_LIST_DIR}/FiltreRecherche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IndexTexte.h
  ${CMAKE_CURRENT_LIST_DIR}/IndexTexte.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IndexValeurs.h
  ${CMAKE_CURRENT_LIST_DIR}/IndexValeurs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MotsCherches.h
  ${CMAKE_CURRENT_LIST_DIR}/MotsCherches.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OrdreRecettes.h
  ${CMAKE_CURRENT_LIST_DIR}/OrdreRecettes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemeTexte.h
  ${CMAKE_CURRENT_LIST_DIR}/ModeleTrouvees.h
  ${CMAKE_CURRENT_LIST_DIR}/ModeleTrouvees.cpp)
target_sources(zuta_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PanneauRecherche.h
  ${CMAKE_CURRENT_LIST_DIR}/PanneauRecherche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesRecherche.h
  ${CMAKE_CURRENT_LIST_DIR}/RoutinesRecherche.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VueRecettes.h
  ${CMAKE_CURRENT_LIST_DIR}/VueRecettes.cpp)
