# cmake -DGENERATED=... -DCOMMITTED=... -P CompareApiReference.cmake
if(NOT EXISTS "${GENERATED}")
  message(FATAL_ERROR "${GENERATED} is missing: build the target cellvex_api_doc")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${GENERATED}" "${COMMITTED}" RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "docs/api.md differs from what the build writes; the interface or its "
    "lines of meaning changed. Copy ${GENERATED} over ${COMMITTED} and commit it.")
endif()
