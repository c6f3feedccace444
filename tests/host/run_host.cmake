# Runs sptdc-host once in a fresh folder and checks what it did.
#   HOST          the program; EMULATOR runs it when set (Wine)
#   WORK          the folder it runs in, emptied first; MKDIR names a
#                 subfolder to create in it
#   ARGS          its arguments, separated by "|"
#   NO_TERMINAL   run it in a session of its own, without a controlling
#                 terminal (so no dialog can be confirmed)
#   INPUT         the file on its standard input (default: none)
#   EXPECT_RC     the exit status
#   STDOUT_FILE   file that standard output must equal, line ends aside
#   STDOUT_REGEX, STDERR_REGEX   patterns the outputs must match
#   REPORT, REPORT_FILE          a file in WORK that must equal REPORT_FILE
#                                byte for byte
#   ABSENT        glob patterns in WORK, separated by "|", that must match
#                 nothing
#   SVG, SVG_DOTS a map in WORK that check_svg.py must accept with this
#                 many QSO circles
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
if(MKDIR)
  file(MAKE_DIRECTORY "${WORK}/${MKDIR}")
endif()
string(REPLACE "|" ";" args "${ARGS}")
set(launcher)
if(NO_TERMINAL)
  set(launcher setsid --wait)
endif()
if(NOT INPUT)
  set(INPUT /dev/null)
endif()
execute_process(
  COMMAND ${launcher} ${EMULATOR} "${HOST}" ${args}
  WORKING_DIRECTORY "${WORK}"
  INPUT_FILE "${INPUT}"
  RESULT_VARIABLE rc
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
string(REPLACE "\r\n" "\n" out "${out}")
string(REPLACE "\r\n" "\n" err "${err}")

set(faults)
if(NOT "${rc}" STREQUAL "${EXPECT_RC}")
  list(APPEND faults "exit status ${rc}, expected ${EXPECT_RC}")
endif()
if(STDOUT_FILE)
  file(READ "${STDOUT_FILE}" expected)
  if(NOT out STREQUAL expected)
    list(APPEND faults "standard output differs from ${STDOUT_FILE}")
  endif()
endif()
if(DEFINED STDOUT_REGEX AND NOT out MATCHES "${STDOUT_REGEX}")
  list(APPEND faults "standard output does not match: ${STDOUT_REGEX}")
endif()
if(DEFINED STDERR_REGEX AND NOT err MATCHES "${STDERR_REGEX}")
  list(APPEND faults "standard error does not match: ${STDERR_REGEX}")
endif()
if(REPORT)
  if(NOT EXISTS "${WORK}/${REPORT}")
    list(APPEND faults "${REPORT} was not written")
  else()
    file(SHA256 "${WORK}/${REPORT}" written)
    file(SHA256 "${REPORT_FILE}" expected)
    if(NOT written STREQUAL expected)
      list(APPEND faults "${REPORT} differs from ${REPORT_FILE}")
    endif()
  endif()
endif()
string(REPLACE "|" ";" absent "${ABSENT}")
foreach(pattern IN LISTS absent)
  file(GLOB found RELATIVE "${WORK}" "${WORK}/${pattern}")
  if(found)
    list(APPEND faults "files that should not be there: ${found}")
  endif()
endforeach()

if(SVG)
  execute_process(
    COMMAND python3 "${CMAKE_CURRENT_LIST_DIR}/check_svg.py" "${WORK}/${SVG}" "${SVG_DOTS}"
    RESULT_VARIABLE svg_rc
    OUTPUT_VARIABLE svg_faults)
  if(NOT svg_rc EQUAL 0)
    list(APPEND faults "the map ${SVG}: ${svg_faults}")
  endif()
endif()

if(faults)
  string(REPLACE ";" "\n  " faults "${faults}")
  message(FATAL_ERROR "sptdc-host ${ARGS}\n  ${faults}\n--- standard output:\n${out}\n--- standard error:\n${err}")
endif()
