# Writes SITE/sw.js from TEMPLATE: the list of the site's FILES it keeps, by
# their names, and a version that is the hash of their contents, so that a
# new version of any of them is a new worker, which browsers take.
#   cmake -DSITE=… -DFILES=… -DTEMPLATE=… -P make-worker.cmake
set(contents "")
set(names "")
foreach(file ${FILES})
  file(SHA256 ${file} hash)
  get_filename_component(name ${file} NAME)
  string(APPEND contents "${name} ${hash}\n")
  list(APPEND names "'${name}'")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 VERSION)
list(JOIN names ", " FILES)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
