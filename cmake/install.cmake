# Installing the game the way Debian keeps games (Policy 11.11, FHS):
#   PREFIX/games/gobbler                       the launcher players start
#   PREFIX/lib/games/gobbler/gobbler           the program (not on the PATH)
#   PREFIX/share/games/gobbler/                its pictures and sounds
#   PREFIX/share/man/man6/gobbler.6.gz         the manual page
#   PREFIX/share/applications/<id>.desktop     the menu entry
#   PREFIX/share/metainfo/<id>.metainfo.xml    the software centre's entry
#   PREFIX/share/icons/hicolor/*/apps/gobbler.png
#   PREFIX/share/doc/gobbler/                  copyright and changelog
# Each place is a cache variable relative to the prefix, like GNUInstallDirs'
# own. The launcher finds the program and the data relative to its own place,
# so the tree works wherever it is unpacked (DESTDIR staging, dpkg -x, a
# moved prefix).
include(GNUInstallDirs)

# Every file belongs to one component, so that the package (which installs
# that component) keeps its own list of what it installed and leaves
# install_manifest.txt, which `make uninstall` reads, alone.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)

set(GOBBLER_INSTALL_GAMESDIR "games" CACHE STRING "Launcher directory, relative to the prefix")
set(GOBBLER_INSTALL_PROGRAMDIR "lib/games/gobbler" CACHE STRING "Program directory, relative to the prefix")
set(GOBBLER_INSTALL_GAMEDATADIR "${CMAKE_INSTALL_DATADIR}/games/gobbler" CACHE STRING
    "Picture and sound directory, relative to the prefix")
set(GOBBLER_INSTALL_METAINFODIR "${CMAKE_INSTALL_DATADIR}/metainfo" CACHE STRING
    "AppStream metadata directory, relative to the prefix")

# The reverse-DNS name the desktop entry and the AppStream data share.
set(GOBBLER_APP_ID "io.github.gobbler.Gobbler")
set(GOBBLER_HOMEPAGE "https://gobbler.github.io/")

# Paths from the launcher's directory, for the launcher to add to its own.
file(RELATIVE_PATH GOBBLER_LAUNCHER_TO_PROGRAM "/prefix/${GOBBLER_INSTALL_GAMESDIR}"
     "/prefix/${GOBBLER_INSTALL_PROGRAMDIR}/gobbler")
file(RELATIVE_PATH GOBBLER_LAUNCHER_TO_DATA "/prefix/${GOBBLER_INSTALL_GAMESDIR}" "/prefix/${GOBBLER_INSTALL_GAMEDATADIR}")
configure_file(${PROJECT_SOURCE_DIR}/desktop/gobbler.sh.in ${PROJECT_BINARY_DIR}/gobbler-launcher @ONLY)

# The manual page and the software centre's entry carry the version and the
# release date; both are compressed with no name or time stamp inside, so
# the same sources give the same bytes.
configure_file(${PROJECT_SOURCE_DIR}/docs/gobbler.6.in ${PROJECT_BINARY_DIR}/gobbler.6 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/desktop/gobbler.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${GOBBLER_APP_ID}.metainfo.xml @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/gobbler.6.gz
                   COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/gobbler.6 > ${PROJECT_BINARY_DIR}/gobbler.6.gz
                   DEPENDS ${PROJECT_BINARY_DIR}/gobbler.6 VERBATIM)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
                   COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/docs/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
                   DEPENDS ${PROJECT_SOURCE_DIR}/docs/changelog VERBATIM)
add_custom_target(compressed_docs ALL DEPENDS ${PROJECT_BINARY_DIR}/gobbler.6.gz ${PROJECT_BINARY_DIR}/changelog.gz)

install(TARGETS gobbler RUNTIME DESTINATION "${GOBBLER_INSTALL_PROGRAMDIR}")
install(PROGRAMS ${PROJECT_BINARY_DIR}/gobbler-launcher DESTINATION "${GOBBLER_INSTALL_GAMESDIR}" RENAME gobbler)

# Only the game's own files: a high score left in data/ by `make run` stays
# behind.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION "${GOBBLER_INSTALL_GAMEDATADIR}"
        FILES_MATCHING PATTERN "*.bmp" PATTERN "*.wav")

install(FILES ${PROJECT_BINARY_DIR}/gobbler.6.gz DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
install(FILES ${PROJECT_BINARY_DIR}/${GOBBLER_APP_ID}.metainfo.xml DESTINATION "${GOBBLER_INSTALL_METAINFODIR}")
install(FILES ${PROJECT_SOURCE_DIR}/docs/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION "${CMAKE_INSTALL_DOCDIR}")

# The menu entry starts the launcher by its installed path, which is known
# only when installing (`cmake --install --prefix` and the package change it).
install(CODE "
  file(READ \"${PROJECT_SOURCE_DIR}/desktop/${GOBBLER_APP_ID}.desktop\" entry)
  string(REGEX REPLACE \"\\nExec=[^\\n]*\" \"\\nExec=\${CMAKE_INSTALL_PREFIX}/${GOBBLER_INSTALL_GAMESDIR}/gobbler\" entry \"\${entry}\")
  file(WRITE \"${PROJECT_BINARY_DIR}/${GOBBLER_APP_ID}.desktop\" \"\${entry}\")
")
install(FILES ${PROJECT_BINARY_DIR}/${GOBBLER_APP_ID}.desktop DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")

foreach(size 32 64 128)
  install(FILES ${PROJECT_SOURCE_DIR}/desktop/icons/gobbler-${size}.png
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps" RENAME gobbler.png)
endforeach()

# `cmake --build build --target uninstall` (or `make uninstall`) removes what
# the last install put in place.
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${PROJECT_BINARY_DIR}/install_manifest.txt
          -P ${PROJECT_SOURCE_DIR}/cmake/uninstall.cmake
  VERBATIM)
