#pragma once

#include "help/tool/Fragments.h"

#include <string>
#include <string_view>

namespace norvik::help {

// Puts the generated pieces into a page source: each marker <!--norvik:NAME--> is replaced by
// the fragment of that name. A marker that names no fragment is an error, so a misspelt marker
// can never leave a hole in the help.
class PageExpander {
public:
    explicit PageExpander(const Fragments& fragments);

    // Throws std::runtime_error naming the unknown marker or the unclosed one.
    std::string expand(std::string_view page) const;

private:
    const Fragments& fragments_;
};

} // namespace norvik::help
