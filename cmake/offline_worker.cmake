# Writes SITE/offline_worker.js from TEMPLATE: the list of the site's files
# and, as the build's name, a hash of their names and contents.
#   cmake -DSITE=dir -DTEMPLATE=web/offline_worker.js -P cmake/offline_worker.cmake
file(GLOB names RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM names offline_worker.js)
list(SORT names)
set(sums "")
set(GOBBLER_FILES "'./'")
foreach(name ${names})
  file(SHA256 ${SITE}/${name} sum)
  string(APPEND sums "${name} ${sum}\n")
  string(APPEND GOBBLER_FILES ", '${name}'")
endforeach()
string(SHA256 GOBBLER_BUILD "${sums}")
string(SUBSTRING ${GOBBLER_BUILD} 0 16 GOBBLER_BUILD)
configure_file(${TEMPLATE} ${SITE}/offline_worker.js @ONLY)
