# What a release's build information records (cmake/package/post-build.cmake
# writes it beside the packages): the command that builds the release, the
# Debian packages whose tools and libraries shape its bytes, and, for
# Windows and the page, what scripts/windows-qt, scripts/windows-mpfr and
# scripts/web-mpfr built from Debian's sources.
set(HANGING_CHAIN_LIBRARY_BUILD_INFO "")

# hc_toolchain_packages(<var> <target>): the target's compilers on this Debian
# release, from the one list of them that scripts/install-deps and
# scripts/library-cache.sh read too.
function(hc_toolchain_packages var target)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${PROJECT_SOURCE_DIR}/cmake/toolchain-packages.txt
               ${PROJECT_SOURCE_DIR}/scripts/toolchain-packages)
  execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/toolchain-packages ${target}
                  OUTPUT_VARIABLE packages COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE "\n$" "" packages "${packages}")
  string(REPLACE "\n" ";" packages "${packages}")
  set(${var} ${packages} PARENT_SCOPE)
endfunction()

if(EMSCRIPTEN)
  set(HANGING_CHAIN_BUILD_COMMAND "scripts/web-mpfr && cmake --workflow --preset package-web")
  hc_toolchain_packages(HANGING_CHAIN_BUILD_PACKAGES web)
  # emscripten's LLVM tools (its archiver among them), of its clang's version
  set(llvm ${HANGING_CHAIN_BUILD_PACKAGES})
  list(FILTER llvm INCLUDE REGEX "^clang-[0-9]+$")
  list(TRANSFORM llvm REPLACE "^clang-" "llvm-")
  list(APPEND HANGING_CHAIN_BUILD_PACKAGES ${llvm} cmake ninja-build libmpfr-dev libgmp-dev zip)
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
