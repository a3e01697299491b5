# The core must stay usable without any GUI library: its tests link it alone, it is cross-built
# for Windows without Qt, and the computations must never learn that a window exists. What is
# Qt-free is decided by folder, so a newcomer sees it in the tree: money/, the command line, the
# tables, the present-day rules, the number notation, each calculator's computation/ and each
# control's rules/ or geometry/.
set(NORVIK_QT_FREE_FOLDER_PATTERNS
    money notation result tables calc_cli calc_reiwa calc_*/computation controls/*/rules
    controls/*/geometry)

function(norvik_qt_free_folders out)
    set(folders "")
    foreach(pattern IN LISTS NORVIK_QT_FREE_FOLDER_PATTERNS)
        file(GLOB matches LIST_DIRECTORIES true "${PROJECT_SOURCE_DIR}/${pattern}")
        foreach(match IN LISTS matches)
            if(IS_DIRECTORY "${match}")
                list(APPEND folders "${match}")
            endif()
        endforeach()
    endforeach()
    set(${out} "${folders}" PARENT_SCOPE)
endfunction()

# Refuses a Qt include in any file of a Qt-free folder.
function(norvik_assert_qt_free_folders)
    norvik_qt_free_folders(folders)
    foreach(folder IN LISTS folders)
        file(GLOB files "${folder}/*.h" "${folder}/*.cpp")
        foreach(file IN LISTS files)
            file(STRINGS "${file}" qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|ui_)")
            if(qt_includes)
                message(FATAL_ERROR "${file} lies in a Qt-free folder but includes Qt: "
                    "${qt_includes}")
            endif()
        endforeach()
    endforeach()
endfunction()

# Refuses a Qt link, or a source from outside the Qt-free folders, in a Qt-free target.
function(norvik_assert_qt_free target)
    get_target_property(libs ${target} LINK_LIBRARIES)
    foreach(lib IN LISTS libs)
        if(lib MATCHES "Qt")
            message(FATAL_ERROR "${target} must not link ${lib}: it is Qt-free.")
        endif()
    endforeach()
    norvik_qt_free_folders(folders)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    foreach(src IN LISTS sources)
        cmake_path(ABSOLUTE_PATH src BASE_DIRECTORY "${source_dir}" NORMALIZE OUTPUT_VARIABLE path)
        cmake_path(GET path PARENT_PATH folder)
        if(NOT folder IN_LIST folders)
            message(FATAL_ERROR "${target} is Qt-free but takes ${path} from outside the Qt-free "
                "folders (${NORVIK_QT_FREE_FOLDER_PATTERNS}).")
        endif()
    endforeach()
endfunction()
