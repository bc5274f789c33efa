# `make deb` (cpack -G DEB): build/gobbler_<version>_<arch>.deb, installed
# under /usr with the layout of install.cmake. The version is the project's.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "gobbler")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_PACKAGE_CONTACT "The Gobbler developers <developers@gobbler.github.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maze game: eat the dots and keep away from the ghosts")
# The long description only: CPack puts the summary line before it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Gobbler is a single-player maze game. You steer the gobbler through a maze
of dots and power pills while four ghosts roam it: two of them chase you,
two wander. Eat every dot and pill to clear the level; a ghost that catches
you costs one of your three lives. A power pill turns the ghosts blue for a
while, and then you can eat them. A bonus fruit comes out once about a third
of the maze is eaten.
.
The game runs in a window or full screen at 60 frames per second and is
played with the arrow keys or a gamepad. The best score is kept for each
player.")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${GOBBLER_HOMEPAGE}")
# Depends: from the libraries the program links, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};game;/")
include(CPack)
