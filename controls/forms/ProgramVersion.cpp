#include "controls/forms/ProgramVersion.h"

#include <cstdio>
#include <string_view>

namespace norvik {

bool printedVersion(int argc, char* argv[], const char* program) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            std::printf("%s %s\n%s\n", program, NORVIK_VERSION, NORVIK_LICENCE_NOTICE);
            return true;
        }
    }
    return false;
}

} // namespace norvik
