# Installing the game for the desktop:
#   PREFIX/libexec/gobbler/gobbler        the program (not on the PATH)
#   PREFIX/share/gobbler/data/            its pictures and sounds
#   PREFIX/bin/gobbler                    the launcher players start
#   PREFIX/share/applications/gobbler.desktop, PREFIX/share/icons/hicolor/*/apps/gobbler.png
# The launcher finds the program and the data relative to its own place, so
# the tree works wherever it is unpacked (DESTDIR staging, a moved prefix).
include(GNUInstallDirs)

set(GOBBLER_PROGRAM_DIR "${CMAKE_INSTALL_LIBEXECDIR}/gobbler")
set(GOBBLER_DATA_DIR "${CMAKE_INSTALL_DATADIR}/gobbler/data")

# Paths from the launcher's directory, for the launcher to add to its own.
file(RELATIVE_PATH GOBBLER_BIN_TO_PROGRAM "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${GOBBLER_PROGRAM_DIR}/gobbler")
file(RELATIVE_PATH GOBBLER_BIN_TO_DATA "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_PREFIX}/${GOBBLER_DATA_DIR}")
configure_file(${PROJECT_SOURCE_DIR}/desktop/gobbler.sh.in ${PROJECT_BINARY_DIR}/gobbler-launcher @ONLY)

install(TARGETS gobbler RUNTIME DESTINATION "${GOBBLER_PROGRAM_DIR}")
install(PROGRAMS ${PROJECT_BINARY_DIR}/gobbler-launcher DESTINATION "${CMAKE_INSTALL_BINDIR}" RENAME gobbler)

# Only the game's own files: a high score left in data/ by `make run` stays
# behind.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION "${GOBBLER_DATA_DIR}"
        FILES_MATCHING PATTERN "*.bmp" PATTERN "*.wav")

# The menu entry starts the launcher by its installed path, which is known
# only when installing (`cmake --install --prefix` may change it).
install(CODE "
  file(READ \"${PROJECT_SOURCE_DIR}/desktop/gobbler.desktop\" entry)
  string(REGEX REPLACE \"\\nExec=[^\\n]*\" \"\\nExec=\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/gobbler\" entry \"\${entry}\")
  file(WRITE \"${PROJECT_BINARY_DIR}/gobbler.desktop\" \"\${entry}\")
")
install(FILES ${PROJECT_BINARY_DIR}/gobbler.desktop DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")

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
