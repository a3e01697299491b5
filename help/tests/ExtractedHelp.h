#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace norvik {

// The compiled help as a reader gets it back: the folder that extract_chmLib wrote, every text
// in it decoded from the file's code page (Shift_JIS, as Windows' CP932) to UTF-8.
class ExtractedHelp {
public:
    explicit ExtractedHelp(std::filesystem::path folder);

    bool has(const std::string& name) const;

    // The file's text in UTF-8; throws std::runtime_error when the file is missing or holds
    // bytes that are not CP932.
    std::string text(const std::string& name) const;

    // The topic files and the contents and index, by name.
    std::vector<std::string> textFiles() const;

private:
    std::filesystem::path folder_;
};

// Bytes in CP932 as UTF-8; throws std::runtime_error at the first byte that is not CP932.
std::string decodeCp932(const std::string& bytes);

} // namespace norvik
