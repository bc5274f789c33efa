# The browser build: the game as a page in build-web/site/, plus the tests
# and the benchmark that run its code under node.

# Every wait of the game (frames, pauses) returns to the page's event loop
# through Asyncify and comes back where it left off. Only the functions on
# the way from main() to a wait are rewritten for it (asyncify_add.txt: the
# ones that reach it through the platform table or a driver); rewriting every
# function that calls through a pointer (all of the library's drawing) would
# double a frame's time.
set(WEB_ASYNC_FLAGS -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536 -sEXIT_RUNTIME=1
    -sASYNCIFY_IGNORE_INDIRECT=1 -sASYNCIFY_ADD=@${PROJECT_SOURCE_DIR}/cmake/asyncify_add.txt)

set(WEB_EXPORTS _main,_malloc,_web_key_event,_web_keys_release_all,_web_mix_chunk,_web_focus_lost,_web_game_score,_web_game_paused,_web_player_dir)
target_link_options(gobbler PRIVATE ${WEB_ASYNC_FLAGS} -sENVIRONMENT=web
  -sEXPORTED_FUNCTIONS=[${WEB_EXPORTS}] -sEXPORTED_RUNTIME_METHODS=[ccall,FS,stringToUTF8]
  # The page calls main itself, to learn when it returns after its waits.
  -sINVOKE_RUN=0
  --preload-file ${PROJECT_SOURCE_DIR}/data@/)
# Packed into gobbler.data at link time: a changed picture or sound links again.
file(GLOB GOBBLER_DATA_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*.bmp ${PROJECT_SOURCE_DIR}/data/*.wav)
set_target_properties(gobbler PROPERTIES LINK_DEPENDS "${GOBBLER_DATA_FILES};${PROJECT_SOURCE_DIR}/cmake/asyncify_add.txt")

# The static folder: the page (its modules joined into one page.js, a
# single download) and what emcc made; then the offline worker, named for a
# hash of all of them.
set(SITE_DIR ${PROJECT_BINARY_DIR}/site)
find_program(NODE_EXECUTABLE node REQUIRED)
file(GLOB WEB_PAGE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/*.html ${PROJECT_SOURCE_DIR}/web/*.png
     ${PROJECT_SOURCE_DIR}/web/*.webmanifest)
file(GLOB WEB_MODULES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/web/*.js)
list(REMOVE_ITEM WEB_MODULES ${PROJECT_SOURCE_DIR}/web/offline_worker.js)
add_custom_target(site ALL
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${SITE_DIR}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SITE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${WEB_PAGE_FILES}
          $<TARGET_FILE_DIR:gobbler>/gobbler.js $<TARGET_FILE_DIR:gobbler>/gobbler.wasm
          $<TARGET_FILE_DIR:gobbler>/gobbler.data ${SITE_DIR}
  COMMAND ${NODE_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/join_modules.mjs ${PROJECT_SOURCE_DIR}/web/page.js ${SITE_DIR}/page.js
  COMMAND ${CMAKE_COMMAND} -DSITE=${SITE_DIR} -DTEMPLATE=${PROJECT_SOURCE_DIR}/web/offline_worker.js
          -P ${PROJECT_SOURCE_DIR}/cmake/offline_worker.cmake
  DEPENDS gobbler ${WEB_PAGE_FILES} ${WEB_MODULES} ${PROJECT_SOURCE_DIR}/tools/join_modules.mjs
          ${PROJECT_SOURCE_DIR}/web/offline_worker.js ${PROJECT_SOURCE_DIR}/cmake/offline_worker.cmake
  COMMENT "The page in ${SITE_DIR}")

# --- tests under node (ctest -L web) ---

# GoogleTest from Debian's sources, built with emcc like the rest.
add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
enable_testing()
set(NODE_RUN node --no-experimental-fetch)
# The machine's files as they are (data/, tests/recordings/), through node.
set(WEB_NODE_FLAGS -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1 ${WEB_ASYNC_FLAGS})

add_library(test_support STATIC ${PROJECT_SOURCE_DIR}/tests/headless.cpp ${PROJECT_SOURCE_DIR}/tests/reference_decode.cpp)
target_link_libraries(test_support PUBLIC gobbler_core gtest)
target_compile_definitions(test_support PUBLIC GOBBLER_DATA_DIR="${PROJECT_SOURCE_DIR}/data"
                                               GOBBLER_TESTS_DIR="${PROJECT_SOURCE_DIR}/tests")

# Every headless unit test but those that need fork(), FIFOs or file
# permissions, which a browser has none of.
file(GLOB WEB_UNIT_TESTS ${PROJECT_SOURCE_DIR}/tests/test_*.cpp)
# (The data-directory test copies directory trees with std::filesystem,
# which this Emscripten's node file system does not carry out.)
list(REMOVE_ITEM WEB_UNIT_TESTS ${PROJECT_SOURCE_DIR}/tests/test_loader_agreement.cpp
     ${PROJECT_SOURCE_DIR}/tests/test_high_score.cpp ${PROJECT_SOURCE_DIR}/tests/test_data_dir.cpp)
foreach(source ${WEB_UNIT_TESTS})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE test_support gtest_main)
  target_link_options(${name} PRIVATE ${WEB_NODE_FLAGS})
  add_test(NAME web_${name} COMMAND ${NODE_RUN} $<TARGET_FILE:${name}>)
  set_tests_properties(web_${name} PROPERTIES LABELS web TIMEOUT 300)
endforeach()

# The recorded games played by this build and by the desktop's (built
# first, in GOBBLER_NATIVE_BUILD) give the same picture on every frame and
# the same final state.
set(GOBBLER_NATIVE_BUILD ${PROJECT_SOURCE_DIR}/build CACHE PATH "The desktop build tree, for comparing replays")
add_executable(replay_hashes ${PROJECT_SOURCE_DIR}/tools/replay_hashes/main.cpp)
target_link_libraries(replay_hashes PRIVATE test_support)
target_link_options(replay_hashes PRIVATE ${WEB_NODE_FLAGS})
add_test(NAME web_replays_match_desktop
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/web/replays_match.sh ${GOBBLER_NATIVE_BUILD}/tests/replay_hashes
                 $<TARGET_FILE:replay_hashes> ${PROJECT_SOURCE_DIR}/tests/recordings)
set_tests_properties(web_replays_match_desktop PROPERTIES LABELS web TIMEOUT 300)

# Recording files made by this build and by the desktop's: the four recorded
# games written by each (the same bytes), each build's verified by the other
# (--verify of the program itself, built to run under node).
add_executable(gobbler_node ${PROJECT_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(gobbler_node PRIVATE gobbler_core)
target_link_options(gobbler_node PRIVATE ${WEB_NODE_FLAGS})
add_executable(rec_from_text ${PROJECT_SOURCE_DIR}/tools/rec_from_text/main.cpp)
target_link_libraries(rec_from_text PRIVATE test_support)
target_link_options(rec_from_text PRIVATE ${WEB_NODE_FLAGS})
add_test(NAME web_recordings_verify_across_builds
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/web/recordings_verify.sh ${GOBBLER_NATIVE_BUILD}/tests/rec_from_text
                 ${GOBBLER_NATIVE_BUILD}/gobbler $<TARGET_FILE:rec_from_text> $<TARGET_FILE:gobbler_node>
                 ${PROJECT_SOURCE_DIR}/tests/recordings ${PROJECT_SOURCE_DIR}/data)
set_tests_properties(web_recordings_verify_across_builds PROPERTIES LABELS web TIMEOUT 300)

# The joiner that makes the site's page.js of the page's modules.
add_test(NAME web_join_modules COMMAND node ${PROJECT_SOURCE_DIR}/tests/web/join_modules_test.mjs
                                       ${PROJECT_SOURCE_DIR}/tools/join_modules.mjs)
set_tests_properties(web_join_modules PROPERTIES LABELS web TIMEOUT 60)

# The page in headless Chromium (playwright-core from tests/web, `npm ci`).
add_test(NAME web_page_in_chromium
         COMMAND node ${PROJECT_SOURCE_DIR}/tests/web/page_test.mjs ${SITE_DIR} ${GOBBLER_NATIVE_BUILD}/tests/replay_hashes
                 ${PROJECT_SOURCE_DIR}/tests/recordings/game_600_frames.txt)
set_tests_properties(web_page_in_chromium PROPERTIES LABELS web TIMEOUT 300)
# The same page in Firefox ESR (puppeteer-core over WebDriver BiDi), but for
# what it cannot emulate: phones, touch, going offline.
add_test(NAME web_page_in_firefox
         COMMAND node ${PROJECT_SOURCE_DIR}/tests/web/page_test.mjs ${SITE_DIR} ${GOBBLER_NATIVE_BUILD}/tests/replay_hashes
                 ${PROJECT_SOURCE_DIR}/tests/recordings/game_600_frames.txt firefox)
set_tests_properties(web_page_in_firefox PROPERTIES LABELS web TIMEOUT 300 RUN_SERIAL TRUE)

# --- the benchmark of `make web-bench`: a game frame under node ---
add_executable(web_frame_bench ${PROJECT_SOURCE_DIR}/bench/web_frame_bench.cpp)
target_include_directories(web_frame_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(web_frame_bench PRIVATE test_support)
target_link_options(web_frame_bench PRIVATE ${WEB_NODE_FLAGS})
