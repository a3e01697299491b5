# Run by CPack on the staged tree before it is packed: strips the programs as dh_strip does.
file(GLOB_RECURSE programs LIST_DIRECTORIES false
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/libexec/norvik/norvik_*")
foreach(program ${programs})
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note
        --strip-unneeded ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(NOT programs)
    message(FATAL_ERROR "no program to strip under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
