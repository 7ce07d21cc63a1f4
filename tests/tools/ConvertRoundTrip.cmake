# A stored report converted to a workbook and back keeps its values and sizes.
# cmake -DCLI=<cellvex> -DSCRIPT=<convert_report.js> -DDIR=<work folder> -P ConvertRoundTrip.cmake
file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})
foreach(step "script;${SCRIPT};save;${DIR}/in.cvd" "convert;${DIR}/in.cvd;${DIR}/book.xlsx"
             "convert;${DIR}/book.xlsx;${DIR}/out.cvd" "script;${SCRIPT};check;${DIR}/out.cvd")
  execute_process(COMMAND ${CLI} ${step} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cellvex ${step} ended with status ${status}:\n${err}")
  endif()
endforeach()
set(expected "size 3 2 width 80 height 19\nvalues Apples 3.5 总计\nbold true\n")
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "after the round trip:\n${out}\nexpected:\n${expected}")
endif()
message(STATUS "${out}")
