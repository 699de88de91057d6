# Every file of the page, added up, against the budgets, as it is and as a
# server sends it gzip-compressed:
#   cmake -DSITE=… -DBUDGET=… -DGZIP_BUDGET=… -DWORK=… -P check-page-size.cmake
file(GLOB files ${SITE}/*)
file(MAKE_DIRECTORY ${WORK})
set(total 0)
set(compressed 0)
foreach(file ${files})
  file(SIZE ${file} size)
  math(EXPR total "${total} + ${size}")
  get_filename_component(name ${file} NAME)
  file(ARCHIVE_CREATE OUTPUT ${WORK}/${name}.gz PATHS ${file} FORMAT raw COMPRESSION GZip
       COMPRESSION_LEVEL 9)
  file(SIZE ${WORK}/${name}.gz size)
  math(EXPR compressed "${compressed} + ${size}")
endforeach()
message(STATUS "the page is ${total} bytes of a budget of ${BUDGET}, "
               "${compressed} gzip-compressed of ${GZIP_BUDGET}")
if(total GREATER BUDGET OR total EQUAL 0)
  message(FATAL_ERROR "the page is ${total} bytes, over its budget of ${BUDGET}")
endif()
if(compressed GREATER GZIP_BUDGET)
  message(FATAL_ERROR "the page is ${compressed} bytes gzip-compressed, over its budget of ${GZIP_BUDGET}")
endif()
