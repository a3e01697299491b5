# Every amount is computed in x87 extended precision (64-bit significand). A platform whose
# long double is anything else would compute different yen, so it is refused here, before
# anything is built.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles([=[
#include <limits>
static_assert(std::numeric_limits<long double>::digits == 64, "");
int main() { return 0; }
]=] NORVIK_HAS_EXTENDED_LONG_DOUBLE)
if(NOT NORVIK_HAS_EXTENDED_LONG_DOUBLE)
    message(FATAL_ERROR
        "norvik needs a long double with a 64-bit significand (x87 extended precision). The "
        "long double of this compiler (${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION} "
        "for ${CMAKE_SYSTEM_NAME} ${CMAKE_SYSTEM_PROCESSOR}) is different, and the tax amounts "
        "would not be exact.\n"
        "Use a compiler whose long double is x87 extended: GCC or Clang on x86 or x86-64 "
        "(Linux), or MinGW-w64 on Windows (MSYS2's MinGW-w64 GCC, or a cross build with "
        "-DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake). MSVC and clang-cl "
        "make long double the same 64-bit type as double and cannot build norvik.")
endif()
