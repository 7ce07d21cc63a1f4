# Install rules, the CMake package (Cellvex::Cellvex), pkg-config and the
# Debian package. Included at the end of the top-level CMakeLists, after
# every target exists.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(CELLVEX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Cellvex)

# The public headers: the interface and what its expansion needs, the event
# sink, automation values, result codes, the class factory and the widget.
# They keep their source folders under include/cellvex, which an installed
# host has on its include path so their own includes resolve.
set(CELLVEX_PUBLIC_AUTOMATION_HEADERS
  ComInterfaces.h Enumerations.h EventId.h Events.def EventSink.h Guid.h HResult.h ICellvex.h
  MemberId.h Members.def MemberTypes.h ParamTypes.h TableMacros.h TypeLibrary.h TypedEventSink.h Variant.h)
list(TRANSFORM CELLVEX_PUBLIC_AUTOMATION_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/src/automation/)
install(FILES ${CELLVEX_PUBLIC_AUTOMATION_HEADERS}
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/cellvex/automation COMPONENT dev)
install(FILES ${PROJECT_SOURCE_DIR}/src/control/CellvexWidget.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/cellvex/control COMPONENT dev)
install(FILES ${PROJECT_SOURCE_DIR}/include/cellvex/Cellvex.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/cellvex COMPONENT dev)

set_target_properties(cellvex PROPERTIES EXPORT_NAME Cellvex)
install(TARGETS cellvex EXPORT CellvexTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} ${CMAKE_INSTALL_INCLUDEDIR}/cellvex)
install(EXPORT CellvexTargets NAMESPACE Cellvex:: DESTINATION ${CELLVEX_CMAKE_DIR})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/CellvexConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/CellvexConfig.cmake INSTALL_DESTINATION ${CELLVEX_CMAKE_DIR})
# Before 1.0 a minor release may change the interface.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/CellvexConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/CellvexConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/CellvexConfigVersion.cmake
  DESTINATION ${CELLVEX_CMAKE_DIR})

file(RELATIVE_PATH CELLVEX_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" CELLVEX_PC_TO_PREFIX "${CELLVEX_PC_TO_PREFIX}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/cellvex.pc.in ${CMAKE_CURRENT_BINARY_DIR}/cellvex.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/cellvex.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# Programs find the library next to them in any prefix.
file(RELATIVE_PATH CELLVEX_BIN_TO_LIB /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${CMAKE_INSTALL_LIBDIR})
set_target_properties(cellvex_cli PROPERTIES INSTALL_RPATH "$ORIGIN/${CELLVEX_BIN_TO_LIB}")
install(TARGETS cellvex_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET cellvex-demo)
  set_target_properties(cellvex-demo PROPERTIES INSTALL_RPATH "$ORIGIN/${CELLVEX_BIN_TO_LIB}")
  install(TARGETS cellvex-demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The Debian package: library, headers, CMake and pkg-config files, the tool,
# the demo when it is built and the Designer plugin when it is.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cellvex)
set(CPACK_PACKAGE_VENDOR "Cellvex developers")
set(CPACK_PACKAGE_CONTACT "Cellvex developers <cellvex@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Spreadsheet-like report designer and data-entry grid as an embeddable Qt control")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
# Dependencies come from what the binaries link; building against the headers
# wants Qt's development files as well.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-base-dev (>= 6.4)")
# Debug information stays in the build tree; the package carries stripped binaries.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
