#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// A table file of tables/ as its text says it, read the plain way (comments and blank lines
// dropped, fields split at tabs), for comparing with what the build converted.
struct TableFile {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> lines; // each with as many fields as the header
    std::vector<int> lineNumbers;                // of each line in the file, for messages

    // The field of a line in the column the header names; throws std::out_of_range for a column
    // the header lacks.
    const std::string& field(std::size_t line, std::string_view column) const;
};

// Reads tables/<fileName>; throws std::runtime_error when the file cannot be read.
TableFile readTableFile(std::string_view fileName);

// The names of the .tsv files in tables/, sorted.
std::vector<std::string> tableFileNames();

} // namespace norvik
