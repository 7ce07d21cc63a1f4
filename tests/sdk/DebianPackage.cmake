# cmake -DBUILD_DIR= -DWORK_DIR= -DLIBDIR= -DWITH_DESIGNER=0|1 -DWITH_DEMO=0|1 -P DebianPackage.cmake
cmake_minimum_required(VERSION 3.25)
#
# Builds the Debian package from the build tree and checks what it carries.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
  WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}\n${err}")
endif()
file(GLOB debs ${WORK_DIR}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb in ${WORK_DIR}, found: ${debs}")
endif()

execute_process(COMMAND dpkg-deb -c ${debs} OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -c cannot read ${debs}")
endif()
set(expected
  ./usr/${LIBDIR}/libcellvex.so.0.1 ./usr/${LIBDIR}/libcellvex.so.0 ./usr/${LIBDIR}/libcellvex.so
  ./usr/include/cellvex/Cellvex.h ./usr/include/cellvex/control/CellvexWidget.h
  ./usr/include/cellvex/automation/ICellvex.h ./usr/include/cellvex/automation/Members.def
  ./usr/${LIBDIR}/cmake/Cellvex/CellvexConfig.cmake ./usr/${LIBDIR}/cmake/Cellvex/CellvexConfigVersion.cmake
  ./usr/${LIBDIR}/cmake/Cellvex/CellvexTargets.cmake ./usr/${LIBDIR}/pkgconfig/cellvex.pc
  ./usr/bin/cellvex)
if(WITH_DESIGNER)
  list(APPEND expected /designer/libcellvex_designer.so)
endif()
if(WITH_DEMO)
  list(APPEND expected ./usr/bin/cellvex-demo)
endif()
foreach(path ${expected})
  # dpkg-deb lists a path after the size and date, a link as "path -> target".
  string(REGEX REPLACE "([.+])" "\\\\\\1" pattern "${path}")
  if(NOT listing MATCHES "${pattern}( |\n)")
    message(FATAL_ERROR "${path} is not in the package:\n${listing}")
  endif()
endforeach()

# The package names what the binaries need.
execute_process(COMMAND dpkg-deb -f ${debs} Package Version Depends OUTPUT_VARIABLE fields)
message(STATUS "${fields}")
foreach(dep libqt6widgets6 libc6)
  if(NOT fields MATCHES "Depends:.*${dep}")
    message(FATAL_ERROR "the package does not depend on ${dep}:\n${fields}")
  endif()
endforeach()
