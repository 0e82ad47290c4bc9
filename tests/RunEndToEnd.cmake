# The watcher end to end on the (Wine) desktop: the fake game client plays one board on real
# time in real windows, Tallowen.exe runs beside it from a program folder of its own with
# automatic bid and hand capture on, and the record it writes must equal the board played.
#   cmake -DPROGRAM=<Tallowen.exe> -DCLIENT=<tallowen-fake-client.exe> [-DEMULATOR=<wine runner>]
#         [-DSCREENSHOT=<screenshot.sh> -DSHOTS=<folder>] [-DNAME=<tag>] [-DSEED=3] [-DLANG=1]
#         [-DPACE=1500] [-DWAIT=120] [-DJAPANESE=ON] [-DPROGRAM_FOLDER=<folder>]
#         -P RunEndToEnd.cmake
# JAPANESE: the Japanese interface, with the bidding board beside the main window.
# PROGRAM_FOLDER: the program runs where it already lies (an unpacked release, PROGRAM its
# Tallowen.exe there); the test's settings are added to the settings file found there.
foreach(var NAME SEED LANG PACE WAIT JAPANESE PROGRAM_FOLDER)
  if(NOT DEFINED ${var})
    set(${var} "")
  endif()
endforeach()
if(NAME STREQUAL "")
  set(NAME mingw)
endif()
if(SEED STREQUAL "")
  set(SEED 3)
endif()
if(LANG STREQUAL "")
  set(LANG 1)
endif()
if(PACE STREQUAL "")
  set(PACE 1500)
endif()
if(WAIT STREQUAL "")
  set(WAIT 120)
endif()

# The programs refuse folders whose names hold these words; the test keeps clear of them.
set(dir "$ENV{HOME}/tallowen-e2e/watcher-${NAME}")
string(TOUPPER "${dir}" upper)
foreach(word ".ZIP" "LH" "TMP" "TEMP" "WIN")
  string(FIND "${upper}" "${word}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${dir} holds \"${word}\", which the programs refuse: set HOME elsewhere")
  endif()
endforeach()
set(program "${dir}/program")
set(expect "${dir}/expect")
file(REMOVE_RECURSE "${dir}")
if(PROGRAM_FOLDER STREQUAL "")
  file(MAKE_DIRECTORY "${program}")
  file(COPY "${PROGRAM}" DESTINATION "${program}")
else()
  file(MAKE_DIRECTORY "${dir}")
  set(program "${PROGRAM_FOLDER}")
endif()
get_filename_component(exe "${PROGRAM}" NAME)
get_filename_component(clientExe "${CLIENT}" NAME)
# The settings file, CR LF. The hand timer is short so that the last hand is taken in time
# even if the next deal's sign were missed.
set(crlf "\r\n")
set(settings "# Written by the end-to-end test${crlf}AutoCapt Bid = yes${crlf}AutoCapt Hand = yes${crlf}"
             "MyYahooID = me_tester${crlf}WaitTime Hand = 40${crlf}")
if(JAPANESE)
  # The board goes below the watcher's window, clear of the client's windows.
  string(APPEND settings "JPN = yes${crlf}ShowBiddingSequence = (1400, 720)${crlf}")
endif()
if(PROGRAM_FOLDER STREQUAL "")
  file(WRITE "${program}/Tallowen.INI" ${settings})
else()
  file(APPEND "${program}/Tallowen.INI" ${settings})
endif()

# Starts a program in the background from `folder`; its unix process id goes to `out`.
function(start_background out folder log)
  string(REPLACE ";" "\" \"" quoted "${ARGN}")
  execute_process(COMMAND sh -c "cd \"${folder}\" && exec \"${quoted}\" > \"${log}\" 2>&1 < /dev/null &
echo $!" OUTPUT_VARIABLE pid OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(${out} "${pid}" PARENT_SCOPE)
endfunction()

function(running pid out)
  execute_process(COMMAND kill -0 ${pid} RESULT_VARIABLE gone OUTPUT_QUIET ERROR_QUIET)
  if(gone EQUAL 0)
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

# WM_CLOSE to the program's windows (Wine's taskkill without /F), then up to 30 s for it to
# end; a program that does not end is killed and the test fails.
function(end_program pid image result)
  execute_process(COMMAND ${EMULATOR} taskkill /IM ${image} OUTPUT_QUIET ERROR_QUIET)
  foreach(i RANGE 60)
    running(${pid} alive)
    if(NOT alive)
      set(${result} "" PARENT_SCOPE)
      return()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 0.5)
  endforeach()
  execute_process(COMMAND kill ${pid} OUTPUT_QUIET ERROR_QUIET)
  set(${result} "${image} did not end when its windows were closed" PARENT_SCOPE)
endfunction()

start_background(client "${dir}" "${dir}/client.log" ${EMULATOR} "${CLIENT}" --boards 1
                 --seed ${SEED} --lang ${LANG} --pace ${PACE} --expect "${expect}")
# The client's windows first, as when a user starts the watcher beside an open table.
execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 2)
start_background(watcher "${program}" "${dir}/tallowen.log" ${EMULATOR} "./${exe}")

set(record "")
set(problem "")
math(EXPR tries "${WAIT} * 2")
foreach(i RANGE ${tries})
  file(GLOB record "${program}/Work/[0-9][0-9]_[0-9][0-9]_001.brg")
  if(record)
    break()
  endif()
  running(${watcher} alive)
  if(NOT alive)
    set(problem "${exe} ended before it wrote a record")
    break()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 0.5)
endforeach()
if(NOT record AND problem STREQUAL "")
  set(problem "no record MM_DD_001.brg in ${program}/Work after ${WAIT} s")
endif()

if(record AND DEFINED SCREENSHOT AND DEFINED SHOTS)
  # The record is shown once it is written.
  execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 3)
  execute_process(COMMAND "${SCREENSHOT}" "${SHOTS}/watcher-end-to-end-${NAME}.png"
                  RESULT_VARIABLE shot ERROR_VARIABLE shotError)
  if(NOT shot EQUAL 0)
    message(WARNING "no screenshot: ${shotError}")
  endif()
endif()

end_program(${watcher} "${exe}" watcherEnd)
end_program(${client} "${clientExe}" clientEnd)
file(READ "${dir}/client.log" clientLog)
file(READ "${dir}/tallowen.log" watcherLog)
if(NOT problem STREQUAL "")
  message(FATAL_ERROR "${problem}\n--- fake client:\n${clientLog}\n--- ${exe}:\n${watcherLog}")
endif()

execute_process(COMMAND ${EMULATOR} "${CLIENT}" --compare "${program}" "${expect}"
                RESULT_VARIABLE compared OUTPUT_VARIABLE comparison ERROR_VARIABLE comparison)
if(NOT compared EQUAL 0)
  message(FATAL_ERROR "the record differs from the board played:\n${comparison}\n"
                      "(folder kept: ${dir})")
endif()
if(NOT watcherEnd STREQUAL "" OR NOT clientEnd STREQUAL "")
  message(FATAL_ERROR "${watcherEnd} ${clientEnd}")
endif()
message(STATUS "${comparison}")
file(REMOVE_RECURSE "${dir}")
