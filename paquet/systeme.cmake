# The system layout: Zuta as a desktop program under CMAKE_INSTALL_PREFIX
# (/usr in the Debian package), as a Debian user expects it:
#   bin/zuta                the launcher, the menu entry's command
#   lib/zuta/Zuta           the program
#   share/zuta/             the help "Zuta.rtf" and the web shortcut "Tavernix.url"
#   share/applications/, share/icons/hicolor/, share/metainfo/
#                           the menu entry, the icons and the AppStream metadata
#   share/mime/packages/    the file type of the bases (".don")
#   share/man/, share/doc/zuta/
#                           the manual page, the copyright and the changelog
# and, through CPack, the Debian package of all that (scripts/paquet.sh).

# The id of the menu entry, icon and metadata: the maker's web site
# (data/Tavernix.url) turned round, and the program's name.
set(ZUTA_ID example.tavernix.Zuta)
# Where the launcher finds the program and the files it links (from the prefix).
set(ZUTA_PROGRAMME lib/zuta/Zuta)
set(ZUTA_PARTAGE share/zuta)

install(TARGETS Zuta RUNTIME DESTINATION lib/zuta)
# A stripped install (the package's) also drops the sections that only name
# the compiler, as Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ZUTA_PROGRAMME}\" COMMAND_ERROR_IS_FATAL ANY)
  endif()")
configure_file(paquet/zuta.in paquet/zuta @ONLY)
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/paquet/zuta DESTINATION bin)
install(FILES data/Zuta.rtf data/Tavernix.url DESTINATION ${ZUTA_PARTAGE})

install(FILES paquet/${ZUTA_ID}.desktop DESTINATION share/applications)
install(FILES paquet/${ZUTA_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES data/icones/zuta.svg DESTINATION share/icons/hicolor/scalable/apps RENAME ${ZUTA_ID}.svg)
foreach(cote 48 64 128 256)
  install(FILES data/icones/zuta-${cote}.png DESTINATION share/icons/hicolor/${cote}x${cote}/apps
    RENAME ${ZUTA_ID}.png)
endforeach()
# The bases' file type, which the menu entry opens: a file manager shows a
# ".don" file with its own icon and opens it with "zuta CHEMIN.don". Debian's
# shared-mime-info, desktop-file-utils and icon theme update their caches
# through dpkg triggers: the package needs no script of its own.
set(ZUTA_TYPE application-x-zuta-base)
install(FILES paquet/zuta.xml DESTINATION share/mime/packages)
install(FILES data/icones/zuta-base.svg DESTINATION share/icons/hicolor/scalable/mimetypes RENAME ${ZUTA_TYPE}.svg)
foreach(cote 48 64 128 256)
  install(FILES data/icones/zuta-base-${cote}.png DESTINATION share/icons/hicolor/${cote}x${cote}/mimetypes
    RENAME ${ZUTA_TYPE}.png)
endforeach()

# Manual pages and the changelog are installed compressed, as Debian does.
set(compresses)
foreach(source zuta.1 fr/zuta.1 changelog)
  set(copie ${CMAKE_CURRENT_BINARY_DIR}/paquet/${source})
  add_custom_command(OUTPUT ${copie}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/paquet/${source} ${copie}
    COMMAND gzip -9nf ${copie}
    DEPENDS paquet/${source} VERBATIM)
  list(APPEND compresses ${copie}.gz)
endforeach()
add_custom_target(zuta_pages_compressees ALL DEPENDS ${compresses})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/paquet/zuta.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/paquet/fr/zuta.1.gz DESTINATION share/man/fr/man1)
install(FILES paquet/lintian-overrides DESTINATION share/lintian/overrides RENAME zuta)
install(FILES paquet/copyright ${CMAKE_CURRENT_BINARY_DIR}/paquet/changelog.gz DESTINATION share/doc/zuta)

# The Debian package (cpack -G DEB in the build folder). Its version is the
# project's, and paquet/changelog's latest entry names the same version.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zuta)
set(CPACK_PACKAGE_VENDOR Tavernix)
set(CPACK_PACKAGE_CONTACT "Tavernix <zuta@tavernix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "index of the cooking recipes published in magazines")
set(CPACK_PACKAGE_DESCRIPTION [[
Zuta keeps an index of the cooking recipes published in your magazines:
for each recipe its name, category and sub-category, the magazine, the
issue, the pages, your notes and whether you have tested it. It tells you
where to find a recipe; it does not hold the recipe itself.

You search the index by category, sub-category, magazine, tested state
and free text, edit the recipe cards, print a recipe or the found list and
write a text index to take to the shelf. Each user has a program folder of
their own, ~/.local/share/zuta, which holds the base and the settings.

The program's windows are in French.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.tavernix.example/zuta)
# The dependencies are those of the program's shared libraries, which
# dpkg-shlibdeps finds. Recommended beside them: Qt's French texts for its own
# buttons and dialogs ("&Oui", "&Non"), and xdg-open for the web link and the
# mail link of the About window; the program works without either.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
