#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace norvik {

// Converts text between two encodings with the C library's iconv. Bytes that cannot be
// converted are replaced, so that the rest of a line keeps its shape, and reported.
class TextConverter {
public:
    // Throws std::runtime_error when the C library knows no such conversion.
    TextConverter(const char* toEncoding, const char* fromEncoding);
    ~TextConverter();
    TextConverter(const TextConverter&) = delete;
    TextConverter& operator=(const TextConverter&) = delete;

    // Appends `in`, converted, to `out`, every unconvertible sequence replaced by
    // `replacement` (already in the target encoding). False when any was replaced.
    bool convert(std::string_view in, std::string& out, std::string_view replacement);

private:
    iconv_t descriptor_;
};

} // namespace norvik
