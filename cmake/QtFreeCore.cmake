# The core must stay usable without any GUI library: its tests link it alone, and the
# computations must never learn that a window exists. Refuse a Qt link or a Qt include in any
# of its sources or in the header beside each source.
function(norvik_assert_qt_free target)
    get_target_property(libs ${target} LINK_LIBRARIES)
    foreach(lib IN LISTS libs)
        if(lib MATCHES "Qt")
            message(FATAL_ERROR "${target} must not link ${lib}: it is the Qt-free core.")
        endif()
    endforeach()
    get_target_property(sources ${target} SOURCES)
    foreach(src IN LISTS sources)
        string(REGEX REPLACE "\\.cpp$" ".h" header "${src}")
        foreach(file IN ITEMS "${src}" "${header}")
            if(EXISTS "${file}")
                file(STRINGS "${file}" qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
                if(qt_includes)
                    message(FATAL_ERROR "${file} belongs to the Qt-free core but includes Qt: "
                        "${qt_includes}")
                endif()
            endif()
        endforeach()
    endforeach()
endfunction()
