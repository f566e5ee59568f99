# Installs the build into a fresh prefix, then builds and runs the host project
# against it twice: with find_package(Positioner), and with qmake through the
# pkg-config files.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
require_vars(BUILD_DIR WORK_DIR CONSUMER_SOURCE LIBDIR QMAKE)

function(expect_consumer_ok executable)
  set(prefix ${WORK_DIR}/prefix)
  run(${CMAKE_COMMAND} -E env POSITIONER_DATA_DIR=${WORK_DIR}/data
      LD_LIBRARY_PATH=${prefix}/${LIBDIR} ${executable})
  if(NOT last_output MATCHES "consumer ok")
    message(FATAL_ERROR "${executable} said: ${last_output}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)

run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE} -B ${WORK_DIR}/cmake
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${WORK_DIR}/cmake)
expect_consumer_ok(${WORK_DIR}/cmake/consumer)

# The catalogues' folder, as qmake builds ask pkg-config for it.
find_program(PKG_CONFIG pkg-config REQUIRED)
run(${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${WORK_DIR}/prefix/${LIBDIR}/pkgconfig
    ${PKG_CONFIG} --variable=translationsdir positioner)
string(STRIP "${last_output}" translations)
if(NOT EXISTS "${translations}/positioner_de.qm")
  message(FATAL_ERROR "pkg-config's translationsdir holds no catalogues: '${translations}'")
endif()

file(MAKE_DIRECTORY ${WORK_DIR}/qmake)
find_program(MAKE_PROGRAM NAMES make gmake REQUIRED)
set(pkgconfig_env PKG_CONFIG_PATH=${WORK_DIR}/prefix/${LIBDIR}/pkgconfig)
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${pkgconfig_env} ${QMAKE} ${CONSUMER_SOURCE}/consumer.pro
                WORKING_DIRECTORY ${WORK_DIR}/qmake RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "qmake failed:\n${out}\n${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${pkgconfig_env} ${MAKE_PROGRAM}
                WORKING_DIRECTORY ${WORK_DIR}/qmake RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "qmake consumer build failed:\n${out}\n${err}")
endif()
expect_consumer_ok(${WORK_DIR}/qmake/consumer)
message(STATUS "CMake and qmake consumers ok")
