# [DESTDIR=<staging>] cmake -DMANIFEST=build/install_manifest.txt -P cmake/uninstall.cmake
#
# Removes every file the last install listed in its manifest, then the
# game's own directories once they are empty. The manifest lists the final
# paths; a staged install is removed with the same DESTDIR it was made with.
# Players' high scores live in their own directories and are not touched.
if(NOT MANIFEST)
  message(FATAL_ERROR "give the install manifest: -DMANIFEST=<build>/install_manifest.txt")
endif()
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "no install manifest at ${MANIFEST}: nothing was installed from this build")
endif()

file(STRINGS "${MANIFEST}" installed)
set(dirs "")
foreach(listed IN LISTS installed)
  set(path "$ENV{DESTDIR}${listed}")
  if(IS_SYMLINK "${path}" OR EXISTS "${path}")
    message(STATUS "Removing: ${path}")
    file(REMOVE "${path}")
    if(IS_SYMLINK "${path}" OR EXISTS "${path}")
      message(FATAL_ERROR "cannot remove ${path}")
    endif()
  else()
    message(STATUS "Already gone: ${path}")
  endif()
  get_filename_component(dir "${path}" DIRECTORY)
  list(APPEND dirs "${dir}")
endforeach()

# Directories named after the game, and those inside them, go when empty;
# shared ones (games, lib/games, share/applications, the icon theme) stay.
list(REMOVE_DUPLICATES dirs)
foreach(dir IN LISTS dirs)
  while(dir MATCHES "/gobbler(/.*)?$")
    file(GLOB left "${dir}/*" "${dir}/.*")
    if(left OR NOT IS_DIRECTORY "${dir}")
      break()
    endif()
    message(STATUS "Removing: ${dir}/")
    file(REMOVE_RECURSE "${dir}")
    get_filename_component(dir "${dir}" DIRECTORY)
  endwhile()
endforeach()
