# Fails when a C++ source of the tree differs from what clang-format makes of it.
file(GLOB_RECURSE sources
     "${SOURCE_DIR}/app/*.cpp" "${SOURCE_DIR}/app/*.h"
     "${SOURCE_DIR}/panel/*.cpp" "${SOURCE_DIR}/panel/*.h"
     "${SOURCE_DIR}/controls/*.cpp" "${SOURCE_DIR}/controls/*.h"
     "${SOURCE_DIR}/settings/*.cpp" "${SOURCE_DIR}/settings/*.h"
     "${SOURCE_DIR}/sound/*.cpp" "${SOURCE_DIR}/sound/*.h"
     "${SOURCE_DIR}/platform/*.cpp" "${SOURCE_DIR}/platform/*.h"
     "${SOURCE_DIR}/tools/*.cpp" "${SOURCE_DIR}/tools/*.h"
     "${SOURCE_DIR}/tests/*.cpp" "${SOURCE_DIR}/tests/*.h"
     "${SOURCE_DIR}/bench/*.cpp" "${SOURCE_DIR}/bench/*.h")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${sources}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Sources not formatted (run clang-format -i on them):\n${errors}")
endif()
message(STATUS "${CMAKE_ARGV0}: all sources formatted")
