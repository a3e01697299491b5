#include "calc_cli/TextConverter.h"

#include <cerrno>
#include <stdexcept>

namespace norvik {

TextConverter::TextConverter(const char* toEncoding, const char* fromEncoding)
    : descriptor_(iconv_open(toEncoding, fromEncoding)) {
    if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("no conversion from ") + fromEncoding + " to " +
                                 toEncoding);
    }
}

TextConverter::~TextConverter() {
    iconv_close(descriptor_);
}

bool TextConverter::convert(std::string_view in, std::string& out, std::string_view replacement) {
    bool clean = true;
    char* from = const_cast<char*>(in.data()); // iconv does not write through it
    std::size_t fromLeft = in.size();
    while (fromLeft > 0) {
        // Every encoding used here takes at most four bytes per character.
        const std::size_t before = out.size();
        out.resize(before + fromLeft * 4 + 4);
        char* to = out.data() + before;
        std::size_t toLeft = out.size() - before;
        const std::size_t result = iconv(descriptor_, &from, &fromLeft, &to, &toLeft);
        out.resize(out.size() - toLeft);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An invalid or unconvertible sequence, or one cut short by the end of the text.
            clean = false;
            out.append(replacement);
            ++from;
            --fromLeft;
        }
    }
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr); // back to the initial state
    return clean;
}

} // namespace norvik
