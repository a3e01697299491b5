# Run by CPack on the staged tree before it is packed: strips the programs as dh_strip does.
# The windows' links in bin/ are left alone: strip would replace a link with a stripped copy.
file(GLOB_RECURSE programs LIST_DIRECTORIES false
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/libexec/norvik/norvik_*"
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/norvik_calc")
foreach(program ${programs})
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note
        --strip-unneeded ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(NOT programs)
    message(FATAL_ERROR "no program to strip under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
