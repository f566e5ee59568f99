# A pendant team's road from SDK to package: the library alone, built against
# the platform modules of a stand-in SDK (classes of its own shapes, SONAMEs
# .so.3), packaged with the standard package target and nothing set by hand
# in the environment. Checks what the packages hold, depend on and need.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
require_vars(SOURCE_DIR WORK_DIR SDK_SOURCE HOST_SOURCE CXX_COMPILER LIBDIR VERSION)

file(REMOVE_RECURSE ${WORK_DIR})
set(sdk ${WORK_DIR}/sdk)
run(${CMAKE_COMMAND} -S ${SDK_SOURCE} -B ${WORK_DIR}/sdk-build -DCMAKE_CXX_COMPILER=${CXX_COMPILER})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/sdk-build)
run(${CMAKE_COMMAND} --install ${WORK_DIR}/sdk-build --prefix ${sdk})

set(build ${WORK_DIR}/build)
set(platform_depends "pendant-rtmcore (>= 3.2), pendant-nuvok (>= 3.2)")
set(maintainer "Pendant team <pendant@example.com>")
# The options as a pendant team's cache file holds them: a list and a field
# with spaces pass unharmed.
function(configure libraries)
  file(WRITE ${WORK_DIR}/pendant.cmake
    "set(POSITIONER_PLATFORM vendor CACHE STRING \"\" FORCE)\n"
    "set(POSITIONER_PLATFORM_INCLUDE_DIR \"${sdk}/include\" CACHE PATH \"\" FORCE)\n"
    "set(POSITIONER_PLATFORM_LIBRARIES \"${libraries}\" CACHE STRING \"\" FORCE)\n"
    "set(POSITIONER_PLATFORM_TAG acme3 CACHE STRING \"\" FORCE)\n"
    "set(POSITIONER_PLATFORM_DEB_DEPENDS \"${platform_depends}\" CACHE STRING \"\" FORCE)\n"
    "set(POSITIONER_DEB_MAINTAINER \"${maintainer}\" CACHE STRING \"\" FORCE)\n")
  run(${CMAKE_COMMAND} -C ${WORK_DIR}/pendant.cmake -S ${SOURCE_DIR} -B ${build} -DCMAKE_BUILD_TYPE=Debug
      -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DPOSITIONER_WERROR=ON)
endfunction()

configure("${sdk}/lib/librtmcore.so;${sdk}/lib/libnuvok.so")
run(${CMAKE_COMMAND} --build ${build} --target package)
file(GLOB debs ${build}/*.deb)
expect_lintian_clean(${debs})

set(failures)
set(packages)
foreach(deb ${debs})
  run(dpkg-deb --field ${deb} Package)
  string(STRIP "${last_output}" package)
  list(APPEND packages ${package})
  foreach(field Depends Version Description Maintainer)
    run(dpkg-deb --field ${deb} ${field})
    string(STRIP "${last_output}" ${field}_${package})
  endforeach()
  if(NOT Version_${package} STREQUAL "${VERSION}+acme3")
    list(APPEND failures "${package} has version ${Version_${package}}")
  endif()
  if(NOT Maintainer_${package} STREQUAL maintainer)
    list(APPEND failures "${package} is maintained by ${Maintainer_${package}}")
  endif()
  run(dpkg-deb -x ${deb} ${WORK_DIR}/root)
endforeach()
list(SORT packages)
if(NOT packages STREQUAL "libpositioner-dev;libpositioner0")
  message(FATAL_ERROR "packages built: ${packages}")
endif()

# The runtime names the platform's packages beside what dpkg-shlibdeps found,
# and nothing of the simulation; the -dev package its own build's runtime.
foreach(needed "pendant-rtmcore (>= 3.2)" "pendant-nuvok (>= 3.2)" "libqt5core5a" "libpugixml1v5")
  string(FIND "${Depends_libpositioner0}" "${needed}" at)
  if(at EQUAL -1)
    list(APPEND failures "libpositioner0 does not depend on ${needed}: ${Depends_libpositioner0}")
  endif()
endforeach()
if(Depends_libpositioner0 MATCHES "sim")
  list(APPEND failures "libpositioner0 depends on the simulation: ${Depends_libpositioner0}")
endif()
if(NOT Depends_libpositioner-dev MATCHES "libpositioner0 \\(= ${VERSION}\\+acme3\\)")
  list(APPEND failures "libpositioner-dev depends on: ${Depends_libpositioner-dev}")
endif()
if(NOT Description_libpositioner0 MATCHES "acme3")
  list(APPEND failures "libpositioner0 does not say its platform: ${Description_libpositioner0}")
endif()

# The packaged library needs the SDK's libraries by their SONAMEs.
set(library ${WORK_DIR}/root/usr/${LIBDIR}/libpositioner.so.${VERSION})
run(readelf -d ${library})
foreach(soname librtmcore.so.3 libnuvok.so.3)
  if(NOT last_output MATCHES "NEEDED[^\n]*\\[${soname}\\]")
    list(APPEND failures "the packaged libpositioner.so does not need ${soname}")
  endif()
endforeach()
file(GLOB_RECURSE simulation_files RELATIVE ${WORK_DIR}/root
     ${WORK_DIR}/root/*sim* ${WORK_DIR}/root/*rtmcustomrvar.h)
if(simulation_files)
  list(APPEND failures "the packages hold parts of the simulation: ${simulation_files}")
endif()

# A host gets the platform from the packages: the CMake target carries the
# SDK's headers and libraries, and so does the pkg-config file.
find_program(PKG_CONFIG pkg-config REQUIRED)
run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${WORK_DIR}/root/usr/${LIBDIR}/pkgconfig
    ${PKG_CONFIG} --cflags --libs positioner)
foreach(flag "-I${sdk}/include" "${sdk}/lib/librtmcore.so" "${sdk}/lib/libnuvok.so")
  string(FIND "${last_output}" "${flag}" at)
  if(at EQUAL -1)
    list(APPEND failures "pkg-config positioner lacks ${flag}: ${last_output}")
  endif()
endforeach()
if(failures)
  string(REPLACE ";" "\n" failures "${failures}")
  message(FATAL_ERROR "${failures}")
endif()
run(${CMAKE_COMMAND} -S ${HOST_SOURCE} -B ${WORK_DIR}/host -DCMAKE_PREFIX_PATH=${WORK_DIR}/root/usr
    -DCMAKE_CXX_COMPILER=${CXX_COMPILER})
run(${CMAKE_COMMAND} --build ${WORK_DIR}/host)
# A vendor build has no simulation, and asking for it says so.
execute_process(COMMAND ${CMAKE_COMMAND} -S ${HOST_SOURCE} -B ${WORK_DIR}/host-sim
                        -DCMAKE_PREFIX_PATH=${WORK_DIR}/root/usr -DCOMPONENTS=sim
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "component sim is not installed")
  message(FATAL_ERROR "find_package(Positioner COMPONENTS sim) on a vendor build: rc=${rc}\n${err}")
endif()

# Without the SDK's libraries the link itself fails, not a pendant's load.
configure("")
execute_process(COMMAND ${CMAKE_COMMAND} --build ${build}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT "${out}${err}" MATCHES "undefined reference to `DataAccess::")
  message(FATAL_ERROR "link without the vendor's libraries: rc=${rc}\n${out}\n${err}")
endif()
message(STATUS "vendor build and packages ok")
