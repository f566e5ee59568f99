# SPDX-License-Identifier: MIT
# What a host project finds once the library is installed: the CMake package,
# and pkg-config files for qmake and other builds.
include(CMakePackageConfigHelpers)

# A vendor build hands the platform's headers and libraries on to its hosts,
# so that they need no paths of their own. In a simulation build they come
# with Positioner::sim.
set(POSITIONER_PC_PLATFORM_CFLAGS "")
set(POSITIONER_PC_PLATFORM_LIBS "")
set(POSITIONER_CONFIG_PLATFORM_INCLUDE_DIR "")
set(POSITIONER_CONFIG_PLATFORM_LIBRARIES "")
if(POSITIONER_PLATFORM STREQUAL "vendor")
  set(POSITIONER_CONFIG_PLATFORM_INCLUDE_DIR "${POSITIONER_PLATFORM_INCLUDE_DIR}")
  set(POSITIONER_CONFIG_PLATFORM_LIBRARIES "${POSITIONER_PLATFORM_LIBRARIES}")
  set(POSITIONER_PC_PLATFORM_CFLAGS " -I${POSITIONER_PLATFORM_INCLUDE_DIR}")
  foreach(library IN LISTS POSITIONER_PLATFORM_LIBRARIES)
    if(IS_ABSOLUTE "${library}" OR library MATCHES "^-")
      string(APPEND POSITIONER_PC_PLATFORM_LIBS " ${library}")
    else()
      string(APPEND POSITIONER_PC_PLATFORM_LIBS " -l${library}")
    endif()
  endforeach()
endif()

configure_package_config_file(cmake/PositionerConfig.cmake.in
  ${PROJECT_BINARY_DIR}/PositionerConfig.cmake
  INSTALL_DESTINATION ${POSITIONER_CMAKE_DIR}
  PATH_VARS POSITIONER_TRANSLATIONS_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/PositionerConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(EXPORT PositionerTargets NAMESPACE Positioner::
  DESTINATION ${POSITIONER_CMAKE_DIR} COMPONENT dev)
install(FILES ${PROJECT_BINARY_DIR}/PositionerConfig.cmake
              ${PROJECT_BINARY_DIR}/PositionerConfigVersion.cmake
  DESTINATION ${POSITIONER_CMAKE_DIR} COMPONENT dev)

# The .pc files find the prefix from their own place, so that one file serves
# /usr, /usr/local and any staging folder alike.
set(POSITIONER_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH POSITIONER_PC_PREFIX /${POSITIONER_PKGCONFIG_DIR} /)
string(REGEX REPLACE "/$" "" POSITIONER_PC_PREFIX "\${pcfiledir}/${POSITIONER_PC_PREFIX}")
configure_file(cmake/positioner.pc.in ${PROJECT_BINARY_DIR}/positioner.pc @ONLY)
configure_file(cmake/positioner-advisor.pc.in ${PROJECT_BINARY_DIR}/positioner-advisor.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/positioner.pc ${PROJECT_BINARY_DIR}/positioner-advisor.pc
  DESTINATION ${POSITIONER_PKGCONFIG_DIR} COMPONENT dev)

if(TARGET positioner_sim)
  install(EXPORT PositionerSimTargets NAMESPACE Positioner::
    DESTINATION ${POSITIONER_CMAKE_DIR} COMPONENT sim)
  configure_file(cmake/positioner-sim.pc.in ${PROJECT_BINARY_DIR}/positioner-sim.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/positioner-sim.pc DESTINATION ${POSITIONER_PKGCONFIG_DIR}
    COMPONENT sim)
endif()

