#pragma once

#include "calc_cli/TextConverter.h"
#include "money/Extended.h"

#include <optional>
#include <string>
#include <string_view>

namespace norvik {

// One numeric input as a window's edit holds it: the number, and the text the edit shows for it.
struct EditEntry {
    Extended value = 0;
    std::string shownText;
};

enum class EntryProblem { None, Empty, NotANumber, TooManyDigits };

struct EntryReading {
    EditEntry entry;
    EntryProblem problem = EntryProblem::None;
};

// Reads a salary or a dependents count the way the windows' numeric edits take one: in the
// notation a paste into the edit accepts (digits, a sign, a decimal point, thousands
// separators, full-width forms), with no more digits than the edit holds, and with the text the
// edit then shows, which column 甲 copies into its formulas. Where the edit would quietly read
// a bad text as 0 or cut a long number, this reports the problem instead.
class EditEntryReader {
public:
    EditEntryReader();
    EditEntryReader(const EditEntryReader&) = delete;
    EditEntryReader& operator=(const EditEntryReader&) = delete;

    EntryReading read(std::string_view text);
    // The most digits, integer and decimal together, that the windows' edits hold: the edit's
    // own limit, which no layout changes.
    int maxDigits() const { return kMaxDigits; }

private:
    static constexpr int kMaxDigits = 9;

    EntryReading readLikeThePaste(std::string_view text);
    // Nothing for a text that is not UTF-8.
    std::optional<std::u16string> editTextOf(std::string_view utf8);

    // The edit reads UTF-16; the command line and the CSV files give UTF-8.
    TextConverter toEdit_;
};

} // namespace norvik
