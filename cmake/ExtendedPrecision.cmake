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
        "norvik needs a long double with a 64-bit significand (x87 extended precision, as on "
        "x86 and x86-64 with GCC or Clang). This compiler's long double is different, and the "
        "tax amounts would not be exact. Build on x86/x86-64 with GCC or Clang.")
endif()
