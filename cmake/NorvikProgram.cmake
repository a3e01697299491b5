# A calculator program: its window as a library built from the form's sources and layout (so
# that the tests drive the very form the program shows), and the program itself.
#   norvik_add_program(<program> FORM <form library> SOURCES <form sources...> MAIN <main source>)
function(norvik_add_program program)
    cmake_parse_arguments(ARG "" "FORM;MAIN" "SOURCES" ${ARGN})
    add_library(${ARG_FORM} STATIC ${ARG_SOURCES})
    set_target_properties(${ARG_FORM} PROPERTIES AUTOMOC ON AUTOUIC ON)
    target_link_libraries(${ARG_FORM} PUBLIC norvik_controls)
    # Consumers include the form's header, which includes the layout compiled by uic.
    target_include_directories(${ARG_FORM} PUBLIC
        ${CMAKE_CURRENT_BINARY_DIR}/${ARG_FORM}_autogen/include)
    norvik_warnings(${ARG_FORM})

    add_executable(${program} ${ARG_MAIN})
    target_link_libraries(${program} PRIVATE ${ARG_FORM})
    norvik_warnings(${program})
    if(WIN32)
        set_target_properties(${program} PROPERTIES WIN32_EXECUTABLE ON)
    endif()
endfunction()
