#include "TableFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace norvik {

namespace {

std::vector<std::string> splitAtTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) {
        fields.push_back(field);
    }
    return fields;
}

} // namespace

const std::string& TableFile::field(std::size_t line, std::string_view column) const {
    const auto at = std::ranges::find(header, column);
    if (at == header.end()) {
        throw std::out_of_range("no column " + std::string(column));
    }
    return lines.at(line).at(static_cast<std::size_t>(at - header.begin()));
}

TableFile readTableFile(std::string_view fileName) {
    const std::filesystem::path path = std::filesystem::path(NORVIK_TABLES_DIR) / fileName;
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    TableFile file;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (file.header.empty()) {
            file.header = splitAtTabs(line);
            continue;
        }
        file.lines.push_back(splitAtTabs(line));
        file.lineNumbers.push_back(number);
    }
    return file;
}

std::vector<std::string> tableFileNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(NORVIK_TABLES_DIR)) {
        if (entry.path().extension() == ".tsv") {
            names.push_back(entry.path().filename().string());
        }
    }
    std::ranges::sort(names);
    return names;
}

} // namespace norvik
