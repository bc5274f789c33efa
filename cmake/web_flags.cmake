# Compiling for the browser with Emscripten: optimised across the library and
# the game at link time (a game frame takes about a tenth less), with the
# vector and bulk-memory instructions every current browser runs (the
# picture's copies and fills are most of a frame), and no debugging
# information in the download.
if(NOT CMAKE_BUILD_TYPE OR CMAKE_BUILD_TYPE STREQUAL RelWithDebInfo)
  set(CMAKE_BUILD_TYPE Release CACHE STRING "" FORCE)
endif()
set(CMAKE_C_FLAGS_RELEASE "-O3 -flto -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-O3 -flto -DNDEBUG")
add_compile_options(-msimd128 -mbulk-memory)
add_link_options(-O3 -flto -msimd128 -mbulk-memory -sALLOW_MEMORY_GROWTH=1 -sTOTAL_STACK=1048576)
