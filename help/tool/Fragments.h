#pragma once

#include "calc_reiwa/BonusTax.h"

#include <map>
#include <string>

namespace norvik::help {

// The pieces of the help that come from the program itself, by the marker name that stands for
// each in the page sources (<!--norvik:NAME-->).
using Fragments = std::map<std::string, std::string>;

// Tables 1 to 3 as column 甲 applies them, and its worked example.
void addKouFragments(Fragments& fragments);

// The step bands, tables 1 and 3 as column 乙 applies them, the accepted range, the refusal and
// the worked example.
void addOtsuFragments(Fragments& fragments);

// The worked examples of the window for today's withholding: column 甲 by the monthly table and
// by the computer provision, and column 乙, each as the window shows it.
void addReiwaFragments(Fragments& fragments);
// The bonus page's worked examples, one for each path: the rate of the bonus table (令和8年分,
// column 甲, two persons, last month 220,000 yen less 23,384 yen of insurance), and the monthly
// table with no salary last month (令和2年分～令和7年分, no person, 1,200,000 yen).
inline constexpr BonusRequest kBonusRateExample{.column = TaxColumn::Kou,
                                                .bonus = 1000000,
                                                .bonusInsurance = 150000,
                                                .previousSalary = 220000,
                                                .previousInsurance = 23384,
                                                .count = 2};
inline constexpr BonusRequest kBonusMonthlyTableExample{.column = TaxColumn::Kou, .bonus = 1200000};

// The two worked examples of the bonus page, the rules and the tax of each.
void addBonusFragments(Fragments& fragments);

} // namespace norvik::help
