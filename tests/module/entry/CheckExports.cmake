# Fails unless the library's own dynamic symbols are exactly the five entry points.
# cmake -DNM=<nm> -DLIBRARY=<libzorva.so> -P CheckExports.cmake
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(symbols)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^.* " "" symbol "${line}")
  list(APPEND symbols ${symbol})
endforeach()
list(SORT symbols)
set(expected GetZorvaFormBillModify GetZorvaFormBillSearch GetZorvaFormDel GetZorvaFormInput GetZorvaFormSearch)
if(NOT symbols STREQUAL expected)
  message(FATAL_ERROR "libzorva exports\n  ${symbols}\ninstead of\n  ${expected}")
endif()
message(STATUS "libzorva exports exactly: ${symbols}")
