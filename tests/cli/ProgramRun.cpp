#include "ProgramRun.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace norvik {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string makeTemporaryFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "norvik_calc_test.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    return pattern;
}

std::string listFolder(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::string list;
    for (const auto& name : names) {
        list += name + "\n";
    }
    return list;
}

ProgramRun runCalc(const std::string& arguments, const std::string& input) {
    const std::string folder = makeTemporaryFolder();
    writeFile(folder + "/stdin", input);
    const std::string command = std::string("'") + NORVIK_CALC + "' " + arguments + " < '" +
                                folder + "/stdin' > '" + folder + "/stdout' 2> '" + folder +
                                "/stderr'";
    const int raw = std::system(command.c_str());
    ProgramRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(folder + "/stdout");
    run.err = readFile(folder + "/stderr");
    std::filesystem::remove_all(folder);
    return run;
}

} // namespace norvik
