#pragma once

#include "result/TaxResult.h"

#include <string>
#include <string_view>

namespace norvik {

// The text a result gives a field. A field the result lacks reads as a text that names it, so
// that a comparison fails and says which field was missing.
inline std::string textOf(const TaxResult& result, std::string_view field) {
    const Field* found = result.field(field);
    return found != nullptr ? found->text : "(no field " + std::string(field) + ")";
}

} // namespace norvik
