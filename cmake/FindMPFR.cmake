# GNU MPFR and the GMP it stands on, as the imported target MPFR::MPFR.
# HANGING_CHAIN_MPFR_PREFIX names a build of both outside the system (the
# static Windows build of scripts/windows-mpfr, the WebAssembly build of
# scripts/web-mpfr); it is searched alone.
set(HANGING_CHAIN_MPFR_PREFIX "" CACHE PATH "Where MPFR and GMP are installed, if not the system")
if(HANGING_CHAIN_MPFR_PREFIX)
  set(_mpfr_where PATHS ${HANGING_CHAIN_MPFR_PREFIX} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
endif()
find_path(MPFR_INCLUDE_DIR mpfr.h ${_mpfr_where} PATH_SUFFIXES include)
find_library(MPFR_LIBRARY mpfr ${_mpfr_where} PATH_SUFFIXES lib)
# An MPFR built on mini-gmp (scripts/web-mpfr) carries it inside, with its
# header beside mpfr.h, and needs no GMP library.
if(MPFR_INCLUDE_DIR AND EXISTS ${MPFR_INCLUDE_DIR}/mini-gmp.h)
  set(MPFR_MINI_GMP ON)
  set(GMP_LIBRARY "")
  set(_mpfr_needs MPFR_LIBRARY MPFR_INCLUDE_DIR)
else()
  find_library(GMP_LIBRARY gmp ${_mpfr_where} PATH_SUFFIXES lib)
  set(_mpfr_needs MPFR_LIBRARY GMP_LIBRARY MPFR_INCLUDE_DIR)
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(MPFR REQUIRED_VARS ${_mpfr_needs})
if(MPFR_FOUND AND NOT TARGET MPFR::MPFR)
  add_library(MPFR::MPFR INTERFACE IMPORTED)
  target_include_directories(MPFR::MPFR INTERFACE ${MPFR_INCLUDE_DIR})
  target_link_libraries(MPFR::MPFR INTERFACE ${MPFR_LIBRARY} ${GMP_LIBRARY})
  if(MPFR_MINI_GMP)
    target_compile_definitions(MPFR::MPFR INTERFACE MPFR_USE_MINI_GMP)
  endif()
endif()
