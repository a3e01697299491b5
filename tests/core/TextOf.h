#pragma once

#include "money/ResultTexts.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace norvik {

// The text a result set gives a field. A field the set lacks reads as a text that names it, so
// that a comparison fails and says which field was missing.
inline std::string textOf(const ResultTexts& texts, std::string_view field) {
    const auto found = std::ranges::find(texts, field, &ResultTexts::value_type::first);
    return found != texts.end() ? found->second : "(no field " + std::string(field) + ")";
}

} // namespace norvik
