function(norvik_warnings target)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
            -Wconversion -Wno-sign-conversion)
    endif()
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        # GCC 12 reports overlapping copies inside std::string's own inlined code at -O3 for
        # ordinary assignments and inserts (GCC bug 105651); the warning says nothing about ours.
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
endfunction()
