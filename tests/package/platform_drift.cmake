# A vendor's headers that drift from what the library calls must fail the
# build with a message naming the service. Each case changes one declaration
# in a copy of our interfaces and compiles the adapter against it.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
require_vars(SOURCE_DIR WORK_DIR CXX_COMPILER QT_INCLUDE_DIRS)

# header | declaration | drifted declaration | expected message
set(cases
  "dataaccess/dataaccess.h|static int getAxisCount()|static long getAxisCount()|DataAccess: getAxisCount"
  "dataaccess/dataaccess.h|static PositionInfo getCartPosition()|static const PositionInfo& getCartPosition()|DataAccess: getCartPosition"
  "rpllib/rpleditordatainterface.h|virtual bool setRefSys(unsigned int id) = 0|virtual void setRefSys(unsigned int id) = 0|RplEditorDataInterface: setRefSys"
  "rtmcore/rtmcustomrvar.h|rtmCustomRvarInt(const QString& name, int access)|explicit rtmCustomRvarInt(const QString& name)|rtmcore: rtmCustomRvarInt"
  "guilib/msgbox.h|int timeout)|int timeout, int extra)|MsgBox: must be made")

set(include_flags)
foreach(dir ${QT_INCLUDE_DIRS})
  list(APPEND include_flags -I${dir})
endforeach()
file(WRITE ${WORK_DIR}/adapter.cpp "#include \"platform.h\"\n")
set(failures)
foreach(entry ${cases})
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 header)
  list(GET fields 1 original)
  list(GET fields 2 drifted)
  list(GET fields 3 expected)
  set(tree ${WORK_DIR}/vendor)
  file(REMOVE_RECURSE ${tree})
  foreach(module rtmcore dataaccess rpllib guilib)
    file(COPY ${SOURCE_DIR}/services/${module} DESTINATION ${tree})
  endforeach()
  file(READ ${tree}/${header} text)
  string(FIND "${text}" "${original}" at)
  if(at EQUAL -1)
    list(APPEND failures "${header} no longer declares '${original}'")
    continue()
  endif()
  string(REPLACE "${original}" "${drifted}" text "${text}")
  file(WRITE ${tree}/${header} "${text}")
  execute_process(COMMAND ${CXX_COMPILER} -std=c++17 -fPIC -fsyntax-only -I${tree} -I${SOURCE_DIR}/positioner -I${SOURCE_DIR}/services/conformance
                          ${include_flags} ${WORK_DIR}/adapter.cpp
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(rc EQUAL 0 OR NOT err MATCHES "static assertion failed: ${expected}")
    list(APPEND failures "'${drifted}' in ${header}: rc=${rc}\n${err}")
  endif()
endforeach()
if(failures)
  string(REPLACE ";" "\n" failures "${failures}")
  message(FATAL_ERROR "${failures}")
endif()
