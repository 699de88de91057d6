# The one date every step that writes a time stamps its output with, so that
# the same source builds the same bytes wherever and whenever it is built:
#   SOURCE_DATE_EPOCH from the environment, as reproducible-builds.org asks;
#   otherwise the time of the last commit, in a git checkout;
#   otherwise the release date kept beside the version (a source tarball).
# HANGING_CHAIN_SOURCE_DATE_EPOCH holds it, in seconds since 1970 UTC, and
# HANGING_CHAIN_SOURCE_COMMIT the commit built, for the build information.

find_package(Git QUIET)
set(commit_status 1)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%H:%ct
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    RESULT_VARIABLE commit_status OUTPUT_VARIABLE commit ERROR_QUIET
    OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
if(commit_status EQUAL 0 AND commit MATCHES "^([0-9a-f]+):([0-9]+)$")
  set(commit_hash ${CMAKE_MATCH_1})
  set(commit_date ${CMAKE_MATCH_2})
  execute_process(COMMAND ${GIT_EXECUTABLE} status --porcelain --untracked-files=no
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE changes ERROR_QUIET)
  set(HANGING_CHAIN_SOURCE_COMMIT ${commit_hash})
  if(changes)
    string(APPEND HANGING_CHAIN_SOURCE_COMMIT " with local changes")
  endif()
  # A new commit is a new date: configure again when HEAD moves.
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --absolute-git-dir
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE git_dir ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(EXISTS "${git_dir}/logs/HEAD")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${git_dir}/logs/HEAD")
  endif()
else()
  set(commit_date "")
  set(HANGING_CHAIN_SOURCE_COMMIT "none (not built from a git checkout)")
endif()

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(source_date "$ENV{SOURCE_DATE_EPOCH}")
  set(source_date_origin "SOURCE_DATE_EPOCH")
elseif(commit_date)
  set(source_date ${commit_date})
  set(source_date_origin "the last commit")
else()
  set(source_date ${HANGING_CHAIN_RELEASE_EPOCH})
  set(source_date_origin "the release date")
endif()
if(NOT source_date MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be whole seconds since 1970, not '${source_date}'")
endif()
set(HANGING_CHAIN_SOURCE_DATE_EPOCH ${source_date})
message(STATUS "Source date: ${source_date} (from ${source_date_origin})")

# CMake's own time stamps (string(TIMESTAMP)) read the variable too.
set(ENV{SOURCE_DATE_EPOCH} ${HANGING_CHAIN_SOURCE_DATE_EPOCH})

# hc_format_date(<out> <epoch> <format>): a date formatted as UTC, for the
# texts that carry a date of their own.
function(hc_format_date out epoch format)
  set(saved "$ENV{SOURCE_DATE_EPOCH}")
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
  string(TIMESTAMP text "${format}" UTC)
  set(ENV{SOURCE_DATE_EPOCH} "${saved}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
