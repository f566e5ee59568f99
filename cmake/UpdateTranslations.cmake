# SPDX-License-Identifier: MIT
# Refreshes every catalogue in translations/ from the sources, then fails when
# any text is left without a finished translation.
#
#   cmake -DLUPDATE=/usr/bin/lupdate -DSOURCE_DIR=<checkout> -P UpdateTranslations.cmake
#
# Every folder that carries translated texts is scanned when it exists; texts
# that left the sources are dropped from the catalogues.
if(NOT LUPDATE OR NOT SOURCE_DIR)
  message(FATAL_ERROR "LUPDATE and SOURCE_DIR must be given")
endif()

set(folders)
foreach(folder positioner userframedyn advisor tool framedrawing screen)
  if(IS_DIRECTORY ${SOURCE_DIR}/${folder})
    list(APPEND folders ${folder})
  endif()
endforeach()

file(GLOB catalogues ${SOURCE_DIR}/translations/positioner_*.ts)
if(NOT catalogues)
  message(FATAL_ERROR "no catalogues in ${SOURCE_DIR}/translations")
endif()

set(unfinished 0)
foreach(catalogue IN LISTS catalogues)
  execute_process(
    COMMAND ${LUPDATE} -silent -locations none -no-obsolete ${folders} -ts ${catalogue}
    WORKING_DIRECTORY ${SOURCE_DIR}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${catalogue}")
  endif()

  # One message per list entry; a ";" in a text must not split it.
  file(READ ${catalogue} text)
  string(REPLACE ";" "<semicolon/>" text "${text}")
  string(REPLACE "<message" ";<message" messages "${text}")
  list(REMOVE_AT messages 0)
  get_filename_component(name ${catalogue} NAME)
  foreach(message IN LISTS messages)
    if(message MATCHES "type=\"unfinished\""
       OR message MATCHES "<translation( [^>]*)?/>|<translation( [^>]*)?></translation>"
       OR message MATCHES "<numerusform/>|<numerusform></numerusform>")
      string(REGEX MATCH "<source>(.*)</source>" ignored "${message}")
      string(REPLACE "<semicolon/>" ";" source "${CMAKE_MATCH_1}")
      message(STATUS "${name}: no translation for \"${source}\"")
      math(EXPR unfinished "${unfinished} + 1")
    endif()
  endforeach()
endforeach()

if(unfinished GREATER 0)
  message(FATAL_ERROR "${unfinished} text(s) without a finished translation; "
                      "translate them in translations/*.ts and run this again")
endif()
list(JOIN folders ", " scanned)
message(STATUS "Every text of ${scanned} is translated")
