# What a release's build information records (cmake/package/post-build.cmake
# writes it beside the packages): the command that builds the release, the
# Debian packages whose tools and libraries shape its bytes, and, for
# Windows and the page, what scripts/windows-qt, scripts/windows-mpfr and
# scripts/web-mpfr built from Debian's sources.
set(HANGING_CHAIN_LIBRARY_BUILD_INFO "")

# hc_toolchain_packages(<var> <target>): the target's compilers, from the one
# list of them that scripts/install-deps and scripts/library-cache.sh read too.
function(hc_toolchain_packages var target)
  set(list_file ${PROJECT_SOURCE_DIR}/cmake/toolchain-packages.txt)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})
  file(STRINGS ${list_file} line REGEX "^${target}: ")
  string(REGEX REPLACE "^${target}: " "" line "${line}")
  separate_arguments(line UNIX_COMMAND "${line}")
  set(${var} ${line} PARENT_SCOPE)
endfunction()

if(EMSCRIPTEN)
  set(HANGING_CHAIN_BUILD_COMMAND "scripts/web-mpfr && cmake --workflow --preset package-web")
  hc_toolchain_packages(HANGING_CHAIN_BUILD_PACKAGES web)
  list(APPEND HANGING_CHAIN_BUILD_PACKAGES llvm-14 cmake ninja-build libmpfr-dev libgmp-dev zip)
  get_filename_component(mpfr_prefix "${HANGING_CHAIN_MPFR_PREFIX}" REALPATH)
  if(EXISTS ${mpfr_prefix}/build-info)
    list(APPEND HANGING_CHAIN_LIBRARY_BUILD_INFO ${mpfr_prefix}/build-info)
  endif()
elseif(WIN32)
  set(HANGING_CHAIN_BUILD_COMMAND
      "scripts/windows-qt && scripts/windows-mpfr && cmake --workflow --preset package-windows")
  hc_toolchain_packages(HANGING_CHAIN_BUILD_PACKAGES windows)
  list(APPEND HANGING_CHAIN_BUILD_PACKAGES
       cmake ninja-build qt6-base-dev-tools
       qt6-translations-l10n librsvg2-bin librsvg2-2 libcairo2 libpng16-16 icoutils nsis)
  get_filename_component(qt_prefix "${Qt6_DIR}/../../.." REALPATH)
  get_filename_component(mpfr_prefix "${HANGING_CHAIN_MPFR_PREFIX}" REALPATH)
  foreach(file ${qt_prefix}/build-info ${mpfr_prefix}/build-info)
    if(EXISTS ${file})
      list(APPEND HANGING_CHAIN_LIBRARY_BUILD_INFO ${file})
    endif()
  endforeach()
else()
  set(HANGING_CHAIN_BUILD_COMMAND "cmake --workflow --preset package-deb")
  hc_toolchain_packages(HANGING_CHAIN_BUILD_PACKAGES linux)
  list(APPEND HANGING_CHAIN_BUILD_PACKAGES
      cmake ninja-build qt6-base-dev qt6-base-dev-tools libqt6core6 libqt6gui6
      libqt6widgets6 libmpfr-dev libmpfr6 libgmp-dev librsvg2-bin librsvg2-2
      libcairo2 libpng16-16 gzip dpkg dpkg-dev file liblzma5)
endif()
