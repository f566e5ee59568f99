# Debian packages, one per install component:
#   runtime  libpositioner0       what a pendant image needs: the shared libraries and programs
#   dev      libpositioner-dev    headers, CMake package, pkg-config file, the .so link
#   sim      libpositioner-sim    the simulated pendant, its headers and the platform interfaces
# Every install() names its component; a package for any other component
# would be a mistake, which the package test reports.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME positioner)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Positioner calibration for robot teach pendants")
set(CPACK_PACKAGE_CONTACT "Positioner developers <positioner@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# Programs of the runtime package find our libraries in the same package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
  ${PROJECT_BINARY_DIR}/positioner ${PROJECT_BINARY_DIR}/advisor ${PROJECT_BINARY_DIR}/services)
if(CMAKE_CROSSCOMPILING AND CMAKE_LIBRARY_ARCHITECTURE STREQUAL "aarch64-linux-gnu")
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
endif()

set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libpositioner${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libpositioner-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "qtbase5-dev, libpugixml-dev")
set(CPACK_DEBIAN_SIM_PACKAGE_NAME libpositioner-sim)
set(CPACK_DEBIAN_SIM_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_SIM_PACKAGE_DEPENDS "qtbase5-dev")

# Whatever components the project's install() calls named, the helpers' too.
get_cmake_property(CPACK_COMPONENTS_ALL COMPONENTS)
include(CPack)
