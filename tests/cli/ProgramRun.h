#pragma once

#include <string>

namespace norvik {

// One run of norvik_calc as a shell would start it: the exit status and everything it wrote.
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs norvik_calc with `arguments` (already quoted for the shell) and `input` on its standard
// input.
ProgramRun runCalc(const std::string& arguments, const std::string& input = "");

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// A new empty folder under the system's temporary folder.
std::string makeTemporaryFolder();
// The names in a folder, sorted.
std::string listFolder(const std::string& folder);

} // namespace norvik
