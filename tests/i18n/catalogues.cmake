# The shipped catalogues translate every text of the sources, and a text added
# without a translation makes `make translations` fail, naming it. Works on a
# copy: lupdate rewrites the catalogues it is given.
#
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<checkout> -DWORK_DIR=<scratch> -P catalogues.cmake
file(REMOVE_RECURSE ${WORK_DIR})
foreach(folder positioner userframedyn advisor tool framedrawing screen translations)
  if(IS_DIRECTORY ${SOURCE_DIR}/${folder})
    file(COPY ${SOURCE_DIR}/${folder} DESTINATION ${WORK_DIR})
  endif()
endforeach()
set(update ${CMAKE_COMMAND} -DLUPDATE=${LUPDATE} -DSOURCE_DIR=${WORK_DIR}
           -P ${SOURCE_DIR}/cmake/UpdateTranslations.cmake)

execute_process(COMMAND ${update} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The shipped catalogues miss translations (make translations):\n${out}")
endif()

file(WRITE ${WORK_DIR}/tool/untranslated.cpp
  "#include <QCoreApplication>\n"
  "QString text() { return QCoreApplication::translate(\"PositionerTool\", \"Nobody translated this\"); }\n")
execute_process(COMMAND ${update} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(result EQUAL 0 OR NOT out MATCHES "positioner_de.ts: no translation for \"Nobody translated this\"")
  message(FATAL_ERROR "An untranslated text went unnoticed:\n${out}")
endif()
