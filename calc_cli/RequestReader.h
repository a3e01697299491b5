#pragma once

#include "calc_cli/EditEntryReader.h"
#include "calc_cli/TaxRequest.h"

#include <string>
#include <string_view>

namespace norvik {

// A request read from its texts, or what is wrong with them (empty when nothing is).
struct RequestReading {
    TaxRequest request;
    std::string problem;
};

// Reads the four texts of a request, from the command line or from a CSV row: the column
// ("甲", "乙", "kou" or "otsu"), the salary and dependents as the windows' edits take them, and
// the spouse choice ("yes", "no", "あり", "なし"; column 甲 only). Problems are told in Japanese
// and English, naming the text at fault.
class RequestReader {
public:
    RequestReading read(std::string_view column, std::string_view salary,
                        std::string_view dependents, std::string_view spouse);
    int maxDigits() const { return entries_.maxDigits(); }

private:
    std::string readEntry(std::string_view name, std::string_view text, EditEntry& entry);

    EditEntryReader entries_;
};

} // namespace norvik
