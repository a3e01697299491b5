# A cross build cannot use the build machine's GoogleTest libraries, so it compiles GoogleTest
# from Debian's sources (package googletest) with the same toolchain as the code under test.
set(NORVIK_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest sources compiled into a cross build")
if(NOT EXISTS ${NORVIK_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "A cross build compiles GoogleTest from source, but there is none in "
        "${NORVIK_GOOGLETEST_SOURCE_DIR}. On Debian install the package googletest, or set "
        "NORVIK_GOOGLETEST_SOURCE_DIR.")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${NORVIK_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
