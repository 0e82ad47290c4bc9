# Runs the watcher's simulation mode as a user would and checks how it ends: a short session
# in a folder under the home folder ends well and leaves its Work folder; refused arguments
# and a folder that cannot take files end in failure.
#   cmake -DPROGRAM=<Tallowen> [-DEMULATOR=<wine runner>] -DNAME=<tag> -P RunSimulate.cmake
set(dir "$ENV{HOME}/tallowen-ctest-simulate-${NAME}")
file(REMOVE_RECURSE "${dir}")
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" --simulate --boards 3 --seed 5 --folder "${dir}"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "Tallowen --simulate ended with ${code}:\n${out}\n${err}")
endif()
if(NOT out MATCHES "boards played 3, recorded [0-9]+, " OR NOT IS_DIRECTORY "${dir}/Work")
  message(FATAL_ERROR "unexpected output:\n${out}")
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
