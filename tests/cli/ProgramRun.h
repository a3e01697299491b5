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
ProgramRun RunCalc(const std::string& arguments, const std::string& input = "");

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// A new empty folder under the system's temporary folder.
std::string MakeTemporaryFolder();
// The names in a folder, sorted.
std::string ListFolder(const std::string& folder);

} // namespace norvik
