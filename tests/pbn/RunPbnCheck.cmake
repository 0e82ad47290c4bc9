# Runs the report utility with PBN output and double-dummy analysis on, on a copy of a sample
# program folder, then reads its .pbn files back with the independent reader (read_pbn.py) and
# compares every board with its record file.
#   cmake -DUTL=<program> [-DEMULATOR=<wine runner>] -DPYTHON=<python3> -DREADER=<read_pbn.py>
#         -DEXAMPLES=<program folder> -DNAME=<tag> -DOUTPUT=<output folder name>
#         [-DRECORDS_ENCODING=cp932] -P RunPbnCheck.cmake
# The copy goes under the home folder, which the utility accepts (it refuses TMP and TEMP).
set(dir "$ENV{HOME}/tallowen-ctest-pbn-${NAME}")
file(REMOVE_RECURSE "${dir}")
file(COPY "${EXAMPLES}/" DESTINATION "${dir}")
file(READ "${dir}/Tallowen.INI" ini)
file(WRITE "${dir}/Tallowen.INI" "${ini}\r\nPBN Output = yes\r\nDouble Dummy = yes\r\n")
execute_process(COMMAND ${EMULATOR} "${UTL}" --folder "${dir}"
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "TallowenUTL ended with ${code}:\n${out}\n${err}")
endif()
if(NOT out MATCHES "/ PBN")
  message(FATAL_ERROR "the start message does not announce PBN:\n${out}")
endif()
set(encoding "")
if(RECORDS_ENCODING)
  set(encoding "--records=${RECORDS_ENCODING}")
endif()
execute_process(COMMAND "${PYTHON}" "${READER}" "${dir}/${OUTPUT}" "${dir}/Work" --double-dummy
                        ${encoding}
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "the PBN files do not read back:\n${out}\n${err}")
endif()
message(STATUS "${out}")
file(REMOVE_RECURSE "${dir}")
