# Turns the filled-in UTF-8 sources into the code page of a Japanese help file (Shift_JIS, as
# Windows' CP932) and compiles them. Every string of the contents, the index and the pages must be
# in that code page, or viewers show them garbled.
#
#   cmake -DSTAGED=dir -DTREE=dir -DOUTPUT=file -DCHMCMD=chmcmd -DICONV=iconv -P CompileChm.cmake

file(REMOVE_RECURSE ${TREE})
file(MAKE_DIRECTORY ${TREE})
file(GLOB sources RELATIVE ${STAGED} ${STAGED}/*)
foreach(name IN LISTS sources)
    file(READ ${STAGED}/${name} text)
    # The sources say what they are; the compiled pages must say what they have become.
    string(REPLACE "charset=UTF-8" "charset=Shift_JIS" text "${text}")
    file(WRITE ${TREE}/${name}.utf8 "${text}")
    execute_process(COMMAND ${ICONV} -f UTF-8 -t CP932 ${TREE}/${name}.utf8
        OUTPUT_FILE ${TREE}/${name}
        ERROR_VARIABLE problem
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${name} has a character that Shift_JIS (CP932) cannot hold: "
            "${problem}")
    endif()
    file(REMOVE ${TREE}/${name}.utf8)
endforeach()

get_filename_component(compiled_name ${OUTPUT} NAME)
file(REMOVE ${TREE}/${compiled_name})
execute_process(COMMAND ${CHMCMD} --verbosity 1 norvik.hhp
    WORKING_DIRECTORY ${TREE}
    OUTPUT_VARIABLE log
    ERROR_VARIABLE log
    RESULT_VARIABLE failed)
if(failed OR NOT EXISTS ${TREE}/${compiled_name})
    message(FATAL_ERROR "chmcmd did not compile ${compiled_name}:\n${log}")
endif()
file(COPY_FILE ${TREE}/${compiled_name} ${OUTPUT})
