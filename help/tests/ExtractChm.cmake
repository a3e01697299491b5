# Reads the compiled help back into a folder, as the help tests look at it.
#   cmake -DEXTRACT=extract_chmLib -DCHM=norvik.CHM -DFOLDER=dir -P ExtractChm.cmake
file(REMOVE_RECURSE ${FOLDER})
execute_process(COMMAND ${EXTRACT} ${CHM} ${FOLDER}
    OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE failed)
if(failed OR NOT EXISTS ${FOLDER})
    message(FATAL_ERROR "extract_chmLib could not read ${CHM}:\n${log}")
endif()
