# The browser build: the game as a page in build-web/site/, plus the tests
# and the benchmark that run its code under node.

# Every wait of the game (frames, pauses) returns to the page's event loop
# through Asyncify and comes back where it left off.
set(WEB_ASYNC_FLAGS -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536 -sEXIT_RUNTIME=1)

set(WEB_EXPORTS _main,_web_key_event,_web_keys_release_all,_web_mix_chunk,_web_focus_lost)
target_link_options(gobbler PRIVATE ${WEB_ASYNC_FLAGS} -sENVIRONMENT=web
  -sEXPORTED_FUNCTIONS=[${WEB_EXPORTS}] -sEXPORTED_RUNTIME_METHODS=[ccall,FS]
  -sMODULARIZE=0 -sINVOKE_RUN=1
  --preload-file ${PROJECT_SOURCE_DIR}/data@/)
set_target_properties(gobbler PROPERTIES LINK_DEPENDS "${PROJECT_SOURCE_DIR}/data")

# The static folder: the page and what emcc made.
set(SITE_DIR ${PROJECT_BINARY_DIR}/site)
add_custom_target(site ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SITE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/web/index.html ${PROJECT_SOURCE_DIR}/web/page.js
          $<TARGET_FILE_DIR:gobbler>/gobbler.js $<TARGET_FILE_DIR:gobbler>/gobbler.wasm
          $<TARGET_FILE_DIR:gobbler>/gobbler.data ${SITE_DIR}
  DEPENDS gobbler ${PROJECT_SOURCE_DIR}/web/index.html ${PROJECT_SOURCE_DIR}/web/page.js
  COMMENT "The page in ${SITE_DIR}")
