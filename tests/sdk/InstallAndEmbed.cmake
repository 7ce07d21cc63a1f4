# cmake -DBUILD_DIR= -DSOURCE_DIR= -DWORK_DIR= -DGENERATOR= -DCXX_COMPILER= -DLIBDIR= [-DEMBED_FLAGS=]
#       -P InstallAndEmbed.cmake
cmake_minimum_required(VERSION 3.25)
#
# What a host's developer does with an installed Cellvex: install, check the
# package's files, build examples/embed against it and run it.
set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    string(REPLACE ";" " " cmd "${ARGN}")
    message(FATAL_ERROR "${cmd} failed (${rc}):\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# The public headers, the package files, the library with its SONAME and the tool.
foreach(f
    include/cellvex/Cellvex.h include/cellvex/control/CellvexWidget.h
    include/cellvex/automation/ICellvex.h include/cellvex/automation/Members.def
    include/cellvex/automation/TypedEventSink.h include/cellvex/automation/ComInterfaces.h
    ${LIBDIR}/cmake/Cellvex/CellvexConfig.cmake ${LIBDIR}/cmake/Cellvex/CellvexConfigVersion.cmake
    ${LIBDIR}/cmake/Cellvex/CellvexTargets.cmake ${LIBDIR}/pkgconfig/cellvex.pc
    ${LIBDIR}/libcellvex.so ${LIBDIR}/libcellvex.so.0 bin/cellvex)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
# Internal headers stay private.
file(GLOB_RECURSE headers RELATIVE ${prefix}/include/cellvex ${prefix}/include/cellvex/*)
foreach(private control/CellvexObject.h control/CellvexControl.h automation/MemberTable.h report/Report.h)
  if(private IN_LIST headers)
    message(FATAL_ERROR "internal header installed: ${private}")
  endif()
endforeach()
run(readelf -d ${prefix}/${LIBDIR}/libcellvex.so)
if(NOT run_output MATCHES "Library soname: \\[libcellvex\\.so\\.0\\]")
  message(FATAL_ERROR "libcellvex.so has no SONAME libcellvex.so.0:\n${run_output}")
endif()
# The installed tool runs from the prefix and finds its library there.
run(${prefix}/bin/cellvex typelib)
if(NOT run_output MATCHES "ICellvex")
  message(FATAL_ERROR "the installed tool printed no type library")
endif()

# pkg-config points into the prefix, wherever the prefix was moved to.
set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
run(pkg-config --variable=includedir cellvex)
string(STRIP "${run_output}" includedir)
run(pkg-config --variable=libdir cellvex)
string(STRIP "${run_output}" libdir)
if(NOT EXISTS ${includedir}/cellvex/Cellvex.h OR NOT EXISTS ${libdir}/libcellvex.so)
  message(FATAL_ERROR "pkg-config points outside the prefix: includedir ${includedir}, libdir ${libdir}")
endif()
run(pkg-config --cflags --libs cellvex)
if(NOT run_output MATCHES "-I${includedir}/cellvex " OR NOT run_output MATCHES "-lcellvex")
  message(FATAL_ERROR "pkg-config gives unexpected flags: ${run_output}")
endif()

# An out-of-tree project against the installed package only.
run(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/embed -B ${WORK_DIR}/embed -G ${GENERATOR}
  -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${prefix}
  "-DCMAKE_CXX_FLAGS=${EMBED_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${EMBED_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/embed)
run(${WORK_DIR}/embed/cellvex-embed --check)
message(STATUS "cellvex-embed --check:\n${run_output}")
foreach(line "grid 6x30" "Item\tPrice" "Tea\t2.50" "Cake\t3.20" "changed 2,3 to 3.40")
  string(FIND "${run_output}" "${line}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "cellvex-embed did not print \"${line}\"")
  endif()
endforeach()
