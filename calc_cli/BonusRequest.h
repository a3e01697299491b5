#pragma once

#include "calc_cli/EditEntryReader.h"
#include "calc_reiwa/BonusTax.h"

#include <string>
#include <string_view>

namespace norvik {

// The texts of one bonus, from the command line or from a CSV row.
struct BonusTexts {
    std::string_view column;
    std::string_view bonus;
    std::string_view bonusInsurance;    // empty: none
    std::string_view previousSalary;    // 0 when no salary was paid last month
    std::string_view previousInsurance; // empty: none
    std::string_view dependents;
    std::string_view spouse;     // column 甲 only; empty: no spouse
    std::string_view longPeriod; // empty: a period of six months or less
};

// What a problem calls an input.
struct BonusInputName {
    std::string_view japanese;
    std::string_view english;
    bool yen = true; // an amount rather than a count
};

// A bonus read from its texts, or what is wrong with them (empty when nothing is).
struct BonusReading {
    BonusRequest request;
    std::string problem;
};

// Reads a bonus's texts: the amounts in whole yen in the notation the windows' edits take
// (thousands separators and full-width digits too), the dependents as a whole count, to which a
// spouse (column 甲: "yes"/"あり", "no"/"なし", or empty) adds one, and the long period as
// "yes"/"あり", "no"/"なし" or empty. A fraction, a negative amount, or an insurance larger than
// its bonus is a problem told in Japanese and English, naming the input at fault.
class BonusRequestReader {
public:
    BonusReading read(const BonusTexts& texts);

private:
    std::string readWhole(const BonusInputName& name, std::string_view text, bool emptyIsZero,
                          std::int64_t& value);
    std::string readDependents(const BonusTexts& texts, BonusRequest& request);

    EditEntryReader entries_;
};

} // namespace norvik
