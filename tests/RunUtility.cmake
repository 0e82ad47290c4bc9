# Runs the report utility, as a user would, on a copy of a sample program folder and checks
# that it ends well, takes every record and leaves a page and a text twin for each day that
# has records. What is expected is counted from the folder given, not written down here.
#   cmake -DUTL=<program> [-DEMULATOR=<wine runner>] -DEXAMPLES=<program folder> -DNAME=<tag>
#         -DOUTPUT=<output folder name> -P RunUtility.cmake
# The copy goes under the home folder: the utility refuses folders whose path holds TMP or TEMP,
# and a checkout may lie in one.
set(dir "$ENV{HOME}/tallowen-ctest-${NAME}")
file(REMOVE_RECURSE "${dir}")
file(COPY "${EXAMPLES}/" DESTINATION "${dir}")
# Records are named MM_DD_NNN.brg: one page a day.
file(GLOB records RELATIVE "${dir}/Work" "${dir}/Work/*_*_*.brg")
list(LENGTH records RECORDS)
set(days "")
foreach(name IN LISTS records)
  string(SUBSTRING "${name}" 0 5 day)
  list(APPEND days "${day}")
endforeach()
list(REMOVE_DUPLICATES days)
list(LENGTH days DAYS)
if(RECORDS EQUAL 0)
  message(FATAL_ERROR "no records in ${EXAMPLES}/Work")
endif()
execute_process(COMMAND ${EMULATOR} "${UTL}" --folder "${dir}"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "TallowenUTL ended with ${code}:\n${out}\n${err}")
endif()
if(NOT out MATCHES " = ${RECORDS}")
  message(FATAL_ERROR "unexpected messages:\n${out}")
endif()
file(GLOB pages "${dir}/${OUTPUT}/*.htm")
file(GLOB twins "${dir}/${OUTPUT}/*.txt")
list(LENGTH pages np)
list(LENGTH twins nt)
if(NOT np EQUAL DAYS OR NOT nt EQUAL DAYS)
  message(FATAL_ERROR "expected ${DAYS} pages and text twins, found ${np} and ${nt}")
endif()
file(REMOVE_RECURSE "${dir}")
message(STATUS "TallowenUTL: ${RECORDS} records -> ${np} pages, ${nt} text twins")
