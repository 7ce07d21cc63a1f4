# Runs two scripts with the command-line tool and fails unless both end with
# status 0 and print the same lines.
# cmake -DCLI=<cellvex> -DFIRST=<a.js> -DSECOND=<b.vbs> -P CompareScriptOutputs.cmake
foreach(script FIRST SECOND)
  execute_process(COMMAND ${CLI} script ${${script}} RESULT_VARIABLE status OUTPUT_VARIABLE out_${script}
                  ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${${script}} ended with status ${status}:\n${err}")
  endif()
endforeach()
if(NOT out_FIRST STREQUAL out_SECOND)
  message(FATAL_ERROR "outputs differ:\n--- ${FIRST}\n${out_FIRST}\n--- ${SECOND}\n${out_SECOND}")
endif()
message(STATUS "same output:\n${out_FIRST}")
