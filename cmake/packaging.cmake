# SPDX-License-Identifier: MIT
# Debian packages, one per install component:
#   runtime  libpositioner0       the shared libraries, positioner-tool and the translations
#   dev      libpositioner-dev    headers, CMake package, pkg-config files, the .so links
#   sim      libpositioner-sim    the simulated pendant and controller, their headers and the
#                                 platform interfaces (simulation builds only)
# Every install() names its component; a package for any other component
# would be a mistake, which the package test reports.
#
# The names follow the SONAME, as a library package's must, so a host's
# dependency on libpositioner0 holds whichever platform it was built for. The
# version says which: 0.1.0+sim for the simulation, 0.1.0+<tag> for a vendor's
# modules (POSITIONER_PLATFORM_TAG), and the -dev package takes the runtime of
# its own build only.
set(POSITIONER_PLATFORM_TAG vendor CACHE STRING
    "vendor: the platform's name in the packages' version, 0.1.0+<tag> (letters, digits, '.')")
set(POSITIONER_PLATFORM_DEB_DEPENDS "" CACHE STRING
    "vendor: the Debian packages of the platform modules the runtime package depends on, e.g. 'pendant-rtmcore (>= 3)'")
set(POSITIONER_DEB_MAINTAINER "Positioner developers <positioner@example.org>" CACHE STRING
    "Maintainer of the Debian packages: 'Name <address>'")

if(POSITIONER_PLATFORM STREQUAL "vendor")
  set(platform_tag ${POSITIONER_PLATFORM_TAG})
  if(NOT platform_tag MATCHES "^[A-Za-z0-9][A-Za-z0-9.]*$")
    message(FATAL_ERROR "POSITIONER_PLATFORM_TAG must be letters, digits and dots, not '${platform_tag}'")
  endif()
else()
  set(platform_tag sim)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME positioner)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}+${platform_tag})
set(CPACK_PACKAGE_CONTACT "${POSITIONER_DEB_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# Programs of the runtime package find our libraries in the same package, and
# a vendor build's libraries find the platform's in the SDK, which no package
# of this machine holds: its packages on the pendant are named below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
  ${PROJECT_BINARY_DIR}/positioner ${PROJECT_BINARY_DIR}/advisor ${PROJECT_BINARY_DIR}/services)
foreach(library IN LISTS POSITIONER_PLATFORM_LIBRARIES)
  if(IS_ABSOLUTE "${library}")
    get_filename_component(library_dir "${library}" DIRECTORY)
    list(APPEND CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${library_dir})
  endif()
endforeach()
list(REMOVE_DUPLICATES CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS)
if(CMAKE_CROSSCOMPILING AND CMAKE_LIBRARY_ARCHITECTURE STREQUAL "aarch64-linux-gnu")
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
endif()

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libpositioner${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libpositioner-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "qtbase5-dev, libpugixml-dev")
set(CPACK_DEBIAN_SIM_PACKAGE_NAME libpositioner-sim)
set(CPACK_DEBIAN_SIM_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_SIM_PACKAGE_DEPENDS "qtbase5-dev, libeigen3-dev")

# Descriptions: the synopsis, then lines of at most 79 characters.
set(runtime_about "\
The library lets a teach pendant's application calibrate up to ten one- or
two-axis positioners: it teaches nine calibration points with plausibility
checks, has the robot controller calculate the axis frames and the user
frame, keeps the calibration file it exchanges with the controller and
registers the dynamic work object wobj_dyn0. Beside it: the calibration
advisor, the service program positioner-tool and the operator texts'
catalogues.")
if(POSITIONER_PLATFORM STREQUAL "vendor")
  set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "\
positioner calibration library for teach pendants (${platform_tag})
${runtime_about}

Built against the platform modules ${platform_tag}, for the pendant image.")
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "${POSITIONER_PLATFORM_DEB_DEPENDS}")
else()
  # Built against the simulation's interfaces, the library resolves them
  # against the simulation's library alone.
  set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "\
positioner calibration library for teach pendants (simulation)
${runtime_about}

This build is for development with the simulated pendant and controller:
its library resolves the platform modules against libpositioner-sim and
does not load with a pendant's own modules. A pendant image takes the
package of a vendor build instead.")
  set(CPACK_COMPONENT_RUNTIME_DEPENDS sim)
endif()
set(CPACK_DEBIAN_DEV_DESCRIPTION "\
positioner calibration library for teach pendants - development files
The headers, the CMake package (find_package(Positioner)), the pkg-config
files positioner and positioner-advisor and the link libraries of the
positioner library and its calibration advisor, for building a pendant
application against the runtime package of the same build.")
set(CPACK_DEBIAN_SIM_DESCRIPTION "\
simulated teach pendant and robot controller for the positioner library
For developing and testing pendant applications without a pendant or a
robot: the platform interfaces (rtmcore, dataaccess, rpllib, guilib) with a
simulation behind them, and the simulated controller with its positioner
routines and a model of a robot cell. A host links Positioner::sim
(pkg-config positioner-sim) and starts the controller with
sim::startController().

For development with the simulation only, never for a pendant image.")

# The packages with a library let dpkg's trigger run ldconfig, once for all.
# (CPack's own postinst and postrm call it as well.)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/cmake/debian/triggers)
set(CPACK_DEBIAN_SIM_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/cmake/debian/triggers)

# Every package carries the licence as Debian's copyright file, and a native
# package's changelog, compressed as Debian wants it; its date is
# SOURCE_DATE_EPOCH's when set, so that a rebuild gives the same file.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
# Paragraph text indented by one space, an empty line as " .".
string(REGEX REPLACE "^MIT License\n\n" "" license "${license}")
string(REGEX REPLACE "\n$" "" license "${license}")
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " license "${license}")
set(POSITIONER_LICENSE_TEXT " ${license}")
configure_file(cmake/debian/copyright.in ${PROJECT_BINARY_DIR}/debian/copyright @ONLY)
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(cmake/debian/changelog.in ${PROJECT_BINARY_DIR}/debian/changelog @ONLY)
find_program(GZIP_EXECUTABLE gzip REQUIRED)
execute_process(COMMAND ${GZIP_EXECUTABLE} -9nf ${PROJECT_BINARY_DIR}/debian/changelog
                RESULT_VARIABLE gzip_result)
if(NOT gzip_result EQUAL 0)
  message(FATAL_ERROR "could not compress ${PROJECT_BINARY_DIR}/debian/changelog")
endif()
foreach(component IN ITEMS runtime dev sim)
  if(component STREQUAL "sim" AND NOT TARGET positioner_sim)
    continue()
  endif()
  string(TOUPPER ${component} name)
  install(FILES ${PROJECT_BINARY_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_DEBIAN_${name}_PACKAGE_NAME} COMPONENT ${component})
endforeach()

# Whatever components the project's install() calls named, the helpers' too.
get_cmake_property(CPACK_COMPONENTS_ALL COMPONENTS)
include(CPack)
