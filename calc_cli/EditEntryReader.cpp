#include "calc_cli/EditEntryReader.h"

#include "controls/NumberFormat.h"
#include "controls/ParseNumberText.h"

#include <algorithm>
#include <cmath>

namespace norvik {

namespace {

// Digits as the edit counts them: integer and decimal digits together, the "0" of a number
// below 1 included.
int DigitsOf(Extended value) {
    const std::string plain = FormatPlain(std::fabs(value));
    return static_cast<int>(plain.size()) -
           static_cast<int>(std::count(plain.begin(), plain.end(), '.'));
}

} // namespace

// The windows' edits keep every property default except that zero shows as "0".
EditEntryReader::EditEntryReader()
    : edit_(sink_) {
    edit_.SetZeroDisplay(true);
}

EntryReading EditEntryReader::Read(std::string_view text) {
    if (text.empty()) {
        return {{}, EntryProblem::Empty};
    }
    const auto value = TryParseNumberText(text, edit_.LeadingChar());
    if (!value || !std::isfinite(*value)) {
        return {{}, EntryProblem::NotANumber};
    }
    if (DigitsOf(*value) > edit_.MaxDigits()) {
        return {{}, EntryProblem::TooManyDigits};
    }
    edit_.SetValue(*value);
    return {{edit_.Value(), sink_.Text()}, EntryProblem::None};
}

} // namespace norvik
