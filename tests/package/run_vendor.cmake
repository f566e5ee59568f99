# A pendant team's build: the library alone, against the platform modules of a
# vendor instead of our simulation. The stand-in vendor is a copy of our
# interface headers in a folder of its own and a library made from the
# simulation, as a vendor's would be.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
require_vars(SOURCE_DIR WORK_DIR VENDOR_LIBRARY CXX_COMPILER)

file(REMOVE_RECURSE ${WORK_DIR})
set(vendor_include ${WORK_DIR}/vendor/include)
foreach(module rtmcore dataaccess rpllib guilib)
  file(COPY ${SOURCE_DIR}/services/${module} DESTINATION ${vendor_include})
endforeach()

set(build ${WORK_DIR}/build)
function(configure libraries)
  run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0
      -DCMAKE_CXX_COMPILER=${CXX_COMPILER} -DPOSITIONER_WERROR=ON
      -DPOSITIONER_PLATFORM=vendor -DPOSITIONER_PLATFORM_INCLUDE_DIR=${vendor_include}
      -DPOSITIONER_PLATFORM_LIBRARIES=${libraries})
endfunction()

configure(${VENDOR_LIBRARY})
run(${CMAKE_COMMAND} --build ${build})
run(${CMAKE_COMMAND} --install ${build} --prefix ${WORK_DIR}/prefix)

# The library links the vendor's modules, and the package brings nothing of
# the simulation, neither its library nor the platform's headers.
run(readelf -d ${build}/positioner/libpositioner.so)
get_filename_component(vendor_name ${VENDOR_LIBRARY} NAME_WE)
if(NOT last_output MATCHES "NEEDED[^\n]*${vendor_name}")
  message(FATAL_ERROR "libpositioner.so does not need the vendor's library:\n${last_output}")
endif()
if(NOT EXISTS ${WORK_DIR}/prefix/include/positioner/positionerdata.h)
  message(FATAL_ERROR "vendor build installed no headers")
endif()
file(GLOB_RECURSE simulation_files RELATIVE ${WORK_DIR}/prefix
     ${WORK_DIR}/prefix/*sim* ${WORK_DIR}/prefix/*rtmcustomrvar.h)
if(simulation_files)
  message(FATAL_ERROR "vendor build installed parts of the simulation: ${simulation_files}")
endif()

# Without the vendor's libraries the link itself fails, not a pendant's load.
configure("")
execute_process(COMMAND ${CMAKE_COMMAND} --build ${build}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT "${out}${err}" MATCHES "undefined reference to `DataAccess::")
  message(FATAL_ERROR "link without the vendor's libraries: rc=${rc}\n${out}\n${err}")
endif()
message(STATUS "vendor build ok")
