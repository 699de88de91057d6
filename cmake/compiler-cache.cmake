# The test run compiles every file four times over (Linux, the sanitizers,
# Windows, arm64), each time in a fresh clone. Through Debian's ccache, a file
# compiled before with the same flags and headers is taken from one cache for
# every clone of the tree, ~/.cache/hanging-chain/ccache: base_dir makes the
# paths under the tree relative, and the clone's folder is left out of the
# key. So a development build's debug information may name the folder of the
# clone that first compiled a file. A release never goes through the cache:
# its bytes come from the compiler alone, as the reproducibility check builds
# them.
option(HANGING_CHAIN_COMPILER_CACHE "Compile through ccache where it is installed" OFF)
if(HANGING_CHAIN_COMPILER_CACHE)
  find_program(HANGING_CHAIN_CCACHE ccache)
  if(HANGING_CHAIN_CCACHE)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env
        CCACHE_DIR=$ENV{HOME}/.cache/hanging-chain/ccache CCACHE_MAXSIZE=4G
        CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1
        ${HANGING_CHAIN_CCACHE})
  endif()
endif()
