#include "GoldenCases.h"

#include <fstream>
#include <stdexcept>

namespace norvik {

namespace {

std::string unescapeLineBreaks(std::string text) {
    for (std::size_t at = text.find("\\r\\n"); at != std::string::npos;
         at = text.find("\\r\\n", at + 2)) {
        text.replace(at, 4, "\r\n");
    }
    return text;
}

void addEntry(GoldenCase& current, const std::string& line, int lineNumber) {
    const std::size_t colon = line.find(": ");
    if (colon == std::string::npos) {
        throw std::runtime_error("golden line " + std::to_string(lineNumber) + " has no ': '");
    }
    const std::string key = line.substr(0, colon);
    const std::string value = unescapeLineBreaks(line.substr(colon + 2));
    if (key.rfind("in.", 0) == 0) {
        current.inputs[key.substr(3)] = value;
    } else {
        current.expected.emplace_back(key, value);
    }
}

} // namespace

std::vector<GoldenCase> loadGoldenCases(const std::string& fileName) {
    std::ifstream in(fileName);
    if (!in) {
        throw std::runtime_error("cannot read " + fileName);
    }
    std::vector<GoldenCase> cases;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line.rfind("== ", 0) == 0) {
            cases.push_back(GoldenCase{line.substr(3), lineNumber, {}, {}});
            continue;
        }
        if (cases.empty()) {
            throw std::runtime_error("golden line " + std::to_string(lineNumber) +
                                     " comes before the first case");
        }
        addEntry(cases.back(), line, lineNumber);
    }
    return cases;
}

} // namespace norvik
