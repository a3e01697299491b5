// Arbitrary text through the number-text reader that the command line and the CSV rows share
// with the windows' edits: a text is either refused or read into a number and the text the edit
// shows for it, and that text read back gives the same number and the same text again.

#include "FuzzCheck.h"

#include "calc_cli/EditEntryReader.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvik;
    static EditEntryReader reader;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const EntryReading first = reader.read(text);
    if (first.problem != EntryProblem::None) {
        return 0;
    }
    require(std::isfinite(first.entry.value), "a number read is finite");
    require(!first.entry.shownText.empty(), "a number read has the text the edit shows");
    const EntryReading again = reader.read(first.entry.shownText);
    require(again.problem == EntryProblem::None, "the edit's own text reads back");
    require(again.entry.value == first.entry.value, "the edit's own text reads as the same number");
    require(again.entry.shownText == first.entry.shownText,
            "the edit's own text is written again the same");
    return 0;
}
