# Runs sptdc-host once in a fresh folder and checks what it did.
#   HOST          the program; EMULATOR runs it when set (Wine)
#   WORK          the folder it runs in, emptied first; MKDIR names a
#                 subfolder to create in it
#   ARGS          its arguments, separated by "|"
#   NO_TERMINAL   run it in a session of its own, without a controlling
#                 terminal (so no dialog can be confirmed)
#   STDIN         the file its standard input reads (default: /dev/null)
#   PROTECT       a file to put into WORK first, write-protected
#   EXPECT_RC     the exit status
#   STDOUT_FILE   file that standard output must equal, line ends aside
#   STDOUT_REGEX, STDERR_REGEX   patterns the outputs must match
#   REPORT, REPORT_FILE          a file in WORK that must equal REPORT_FILE
#                                byte for byte
#   CABRILLO, CABRILLO_FILE      the same for a second file
#   ABSENT        glob patterns in WORK, separated by "|", that must match
#                 nothing
#   PRESENT       paths in WORK, separated by "|", that must exist
#   SVG, SVG_DOTS a map in WORK that check_svg.py must accept with this
#                 many QSO circles
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
if(MKDIR)
  file(MAKE_DIRECTORY "${WORK}/${MKDIR}")
endif()
if(PROTECT)
  file(WRITE "${WORK}/${PROTECT}" "a file of the operator's\r\n")
  file(CHMOD "${WORK}/${PROTECT}" PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
endif()
if(NOT STDIN)
  set(STDIN /dev/null)
endif()
string(REPLACE "|" ";" args "${ARGS}")
set(launcher)
if(NO_TERMINAL)
  set(launcher setsid --wait)
endif()
execute_process(
  COMMAND ${launcher} ${EMULATOR} "${HOST}" ${args}
  WORKING_DIRECTORY "${WORK}"
  INPUT_FILE "${STDIN}"
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
foreach(kind REPORT CABRILLO)
  set(name "${${kind}}")
  if(NOT name)
    continue()
  endif()
  if(NOT EXISTS "${WORK}/${name}")
    list(APPEND faults "${name} was not written")
  else()
    file(SHA256 "${WORK}/${name}" written)
    file(SHA256 "${${kind}_FILE}" expected)
    if(NOT written STREQUAL expected)
      list(APPEND faults "${name} differs from ${${kind}_FILE}")
    endif()
  endif()
endforeach()
string(REPLACE "|" ";" absent "${ABSENT}")
foreach(pattern IN LISTS absent)
  file(GLOB found RELATIVE "${WORK}" "${WORK}/${pattern}")
  if(found)
    list(APPEND faults "files that should not be there: ${found}")
  endif()
endforeach()

string(REPLACE "|" ";" present "${PRESENT}")
foreach(path IN LISTS present)
  if(NOT EXISTS "${WORK}/${path}")
    list(APPEND faults "${path} is missing")
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
