#include "ExtractedHelp.h"

#include <iconv.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace norvik {

std::string decodeCp932(const std::string& bytes) {
    iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("this system's iconv has no CP932");
    }
    const std::unique_ptr<void, int (*)(iconv_t)> closer(converter, iconv_close);
    std::string in = bytes;
    std::string out(bytes.size() * 3 + 4, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        throw std::runtime_error("not CP932 at byte " + std::to_string(in.size() - inLeft));
    }
    out.resize(out.size() - outLeft);
    return out;
}

ExtractedHelp::ExtractedHelp(std::filesystem::path folder)
    : folder_(std::move(folder)) {}

bool ExtractedHelp::has(const std::string& name) const {
    return std::filesystem::is_regular_file(folder_ / name);
}

std::string ExtractedHelp::text(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    if (!in) {
        throw std::runtime_error("the compiled help has no " + name);
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    try {
        return decodeCp932(bytes.str());
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(name + ": " + error.what());
    }
}

std::vector<std::string> ExtractedHelp::textFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".html" || extension == ".hhc" || extension == ".hhk") {
            names.push_back(entry.path().filename().string());
        }
    }
    return names;
}

} // namespace norvik
