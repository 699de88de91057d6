# CPACK_POST_BUILD_SCRIPTS: the packages CPack has just made, before it
# copies them into CPACK_PACKAGE_DIRECTORY. Beside them go the build's
# information (what built them) and SHA256SUMS (what they are), so that anyone
# can check a download and build the same bytes again.
include(${CMAKE_CURRENT_LIST_DIR}/normalize.cmake)
set(epoch ${HANGING_CHAIN_SOURCE_DATE_EPOCH})

# CPack's Debian archive stamps its control files and its ar members with the
# time it ran, and cannot be told otherwise: dpkg-deb builds the package
# again from the same files, with fixed owners and modes, members in name
# order and every time the source date.
function(hc_rebuild_deb deb)
  find_program(DPKG_DEB dpkg-deb REQUIRED)
  set(root ${CPACK_TOPLEVEL_DIRECTORY}/deb-rebuild)
  file(REMOVE_RECURSE ${root})
  execute_process(COMMAND ${DPKG_DEB} --raw-extract ${deb} ${root} COMMAND_ERROR_IS_FATAL ANY)
  hc_normalize_tree(${root} ${epoch})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch}
            ${DPKG_DEB} --root-owner-group -Zxz --build ${root} ${deb}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${root})
endfunction()

# CPack's ZIP records the builder's user and group ids and the file times in
# two forms: Info-ZIP makes it again from the same files, with neither (-X),
# entries in name order, and the times in the DOS form alone, which is local
# time, here UTC (cpack-options.cmake).
function(hc_rebuild_zip archive)
  find_program(ZIP_COMMAND zip)
  if(NOT ZIP_COMMAND)
    message(FATAL_ERROR "zip makes the ZIP package: install zip (scripts/install-deps windows)")
  endif()
  set(root ${CPACK_TOPLEVEL_DIRECTORY}/zip-rebuild)
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${archive}
    WORKING_DIRECTORY ${root} COMMAND_ERROR_IS_FATAL ANY)
  hc_normalize_tree(${root} ${epoch})
  file(GLOB_RECURSE entries RELATIVE ${root} LIST_DIRECTORIES true ${root}/*)
  list(SORT entries)
  list(JOIN entries "\n" names)
  file(WRITE ${CPACK_TOPLEVEL_DIRECTORY}/zip-entries "${names}\n")
  file(REMOVE ${archive})
  execute_process(COMMAND ${ZIP_COMMAND} -X -9 -q ${archive} -@
    INPUT_FILE ${CPACK_TOPLEVEL_DIRECTORY}/zip-entries
    WORKING_DIRECTORY ${root} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${root} ${CPACK_TOPLEVEL_DIRECTORY}/zip-entries)
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.deb$")
    hc_rebuild_deb(${package})
  elseif(package MATCHES "\\.zip$")
    hc_rebuild_zip(${package})
  endif()
endforeach()

# The build information: the commit and source date, and the Debian packages,
# at their versions, of every tool and library whose output is in the
# packages; for Windows also the Qt, GMP and MPFR built from Debian's source.
set(info_name ${CPACK_PACKAGE_FILE_NAME}.buildinfo)
set(info ${CPACK_PACKAGE_DIRECTORY}/${info_name})
# This machine's own architecture alone: another's copy of a library
# (multiarch, for the arm64 build) is in no package made here.
execute_process(COMMAND dpkg --print-architecture
  OUTPUT_VARIABLE native OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(
  COMMAND dpkg-query -W "-f=\${Architecture} \${binary:Package} (= \${Version})\\n"
          ${HANGING_CHAIN_BUILD_PACKAGES}
  OUTPUT_VARIABLE installed ERROR_VARIABLE missing)
string(REGEX REPLACE "\n$" "" installed "${installed}")
string(REPLACE "\n" ";" installed "${installed}")
list(FILTER installed INCLUDE REGEX "^(${native}|all) ")
list(TRANSFORM installed REPLACE "^[^ ]+ (.*)$" "\\1")
list(SORT installed)
list(JOIN installed ",\n " installed)
file(STRINGS /etc/os-release os REGEX "^PRETTY_NAME=")
string(REGEX REPLACE "^PRETTY_NAME=\"?([^\"]*)\"?$" "\\1" os "${os}")
set(text
  "Format: hanging-chain buildinfo 1\n"
  "Source: ${CPACK_PACKAGE_NAME} ${CPACK_PACKAGE_VERSION}\n"
  "Commit: ${HANGING_CHAIN_SOURCE_COMMIT}\n"
  "Source-Date-Epoch: ${epoch}\n"
  "Build-Command: ${HANGING_CHAIN_BUILD_COMMAND}\n"
  "Build-System: ${os}\n"
  "Installed-Build-Depends:\n ${installed}\n")
if(missing)
  string(REGEX REPLACE "dpkg-query: no packages found matching ([^\n]*)" "\\1" missing "${missing}")
  string(REPLACE "\n" " " missing "${missing}")
  string(APPEND text "Not-Installed: ${missing}\n")
endif()
if(HANGING_CHAIN_LIBRARY_BUILD_INFO)
  string(APPEND text "Built-From-Debian-Source:\n")
  foreach(file IN LISTS HANGING_CHAIN_LIBRARY_BUILD_INFO)
    file(STRINGS ${file} lines)
    foreach(line IN LISTS lines)
      string(APPEND text " ${line}\n")
    endforeach()
  endforeach()
endif()
string(JOIN "" text ${text})
file(WRITE ${info} "${text}")

# SHA256SUMS, in sha256sum's format, for every package of the folder: those
# just made, still in the staging folder, and any made before (another
# generator of this run, or the other platform's), read where they are.
set(sums_file ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS)
set(entries)
set(named)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(name ${package} NAME)
  file(SHA256 ${package} hash)
  list(APPEND entries "${name}|${hash}")
  list(APPEND named ${name})
endforeach()
list(APPEND named ${info_name})
file(SHA256 ${info} hash)
list(APPEND entries "${info_name}|${hash}")
if(EXISTS ${sums_file})
  file(STRINGS ${sums_file} old REGEX "^[0-9a-f]+  ")
  foreach(line IN LISTS old)
    string(REGEX REPLACE "^[0-9a-f]+  " "" name "${line}")
    if(NOT name IN_LIST named AND EXISTS ${CPACK_PACKAGE_DIRECTORY}/${name})
      file(SHA256 ${CPACK_PACKAGE_DIRECTORY}/${name} hash)
      list(APPEND entries "${name}|${hash}")
    endif()
  endforeach()
endif()
list(SORT entries)
set(sums "")
foreach(entry IN LISTS entries)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 name)
  list(GET entry 1 hash)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${sums_file} "${sums}")
