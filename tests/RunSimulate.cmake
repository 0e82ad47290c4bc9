# Runs the watcher's simulation mode as a user would and checks how it ends: a session in a
# folder under the home folder (the default plan: passed-out boards and claims among them)
# ends well, accounts for every board and leaves in Work the very records a faithful watcher
# makes, as --expect writes them; refused arguments and a folder that cannot take files end
# in failure.
#   cmake -DPROGRAM=<Tallowen> [-DEMULATOR=<wine runner>] -DNAME=<tag> -P RunSimulate.cmake
set(dir "$ENV{HOME}/tallowen-ctest-simulate-${NAME}")
file(REMOVE_RECURSE "${dir}")
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" --simulate --boards 12 --seed 5 --folder "${dir}"
                        --expect "${dir}/expect"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "Tallowen --simulate ended with ${code}:\n${out}\n${err}")
endif()
if(NOT out MATCHES "\nplayed 12, right 12, lost 0, mixed 0\n" OR NOT IS_DIRECTORY "${dir}/Work")
  message(FATAL_ERROR "unexpected output:\n${out}")
endif()
file(GLOB records RELATIVE "${dir}/Work" "${dir}/Work/*_*_*.brg")
list(SORT records)
list(LENGTH records count)
if(NOT count EQUAL 12)
  message(FATAL_ERROR "${count} records in Work:\n${out}")
endif()
set(n 0)
foreach(record IN LISTS records)
  math(EXPR n "${n} + 1")
  string(LENGTH "00${n}" len)
  math(EXPR start "${len} - 3")
  string(SUBSTRING "00${n}" ${start} 3 counter)
  file(READ "${dir}/Work/${record}" got HEX)
  file(READ "${dir}/expect/board_${counter}.brg" want HEX)
  if(NOT got STREQUAL want)
    message(FATAL_ERROR "${record} differs from board_${counter}.brg")
  endif()
endforeach()
# A second copy in the same folder is refused while the first runs (its lock held here by
# flock(1), which takes the same lock file; on Windows the lock is a mutex).
if(NOT EMULATOR)
  execute_process(COMMAND flock "${dir}/Tallowen.lock" "${PROGRAM}" --simulate --boards 1
                          --folder "${dir}"
                  RESULT_VARIABLE second OUTPUT_VARIABLE second_out ERROR_QUIET)
  if(second EQUAL 0 OR NOT second_out MATCHES "Another copy of Tallowen is already working in")
    message(FATAL_ERROR "a second copy was not refused (${second}):\n${second_out}")
  endif()
endif()
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" --simulate --lang 0
                RESULT_VARIABLE refused OUTPUT_QUIET ERROR_QUIET)
file(WRITE "${dir}/not-a-folder" "x")
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" --simulate --boards 1 --folder "${dir}/not-a-folder"
                RESULT_VARIABLE unusable OUTPUT_QUIET ERROR_QUIET)
file(REMOVE_RECURSE "${dir}")
if(refused EQUAL 0 OR unusable EQUAL 0)
  message(FATAL_ERROR "expected failures, got ${refused} (arguments) and ${unusable} (folder)")
endif()
message(STATUS "Tallowen --simulate: ${out}")
