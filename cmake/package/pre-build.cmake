# CPACK_PRE_BUILD_SCRIPTS: the staged files, before any archive is made.
include(${CMAKE_CURRENT_LIST_DIR}/normalize.cmake)
hc_normalize_tree(${CPACK_TEMPORARY_DIRECTORY} ${HANGING_CHAIN_SOURCE_DATE_EPOCH})
