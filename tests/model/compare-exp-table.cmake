# Fails unless TABLE is, byte for byte, what TOOL writes.
execute_process(COMMAND ${TOOL} OUTPUT_VARIABLE written RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TOOL} failed (${result})")
endif()
file(READ ${TABLE} committed)
if(NOT written STREQUAL committed)
  message(FATAL_ERROR "${TABLE} is not what ${TOOL} writes: run it again into the file")
endif()
