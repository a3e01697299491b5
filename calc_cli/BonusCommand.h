#pragma once

#include "calc_cli/Report.h"
#include "calc_reiwa/RuleSet.h"

#include <ostream>
#include <string>

namespace norvik {

// `bonus`: one employee's bonus as given on the command line, its texts kept to be shown beside
// the results, and where and how the result goes.
struct BonusOptions {
    std::string column = "kou"; // "kou" or "otsu"
    std::string bonus;
    std::string bonusInsurance;
    std::string previousSalary;
    std::string previousInsurance;
    std::string dependents;
    std::string spouse; // column 甲 only; empty: no spouse
    bool longPeriod = false;
    ReportFormat format = ReportFormat::Text;
    std::string output; // empty: standard output
};

// Computes the bonus under the rules of its payment date and writes its result: the text shows
// the inputs, the steps of the path taken (the rate with the band that chose it, or the monthly
// table's lookups) and the tax. The exit status: 0 done (a refusal for a table this program
// lacks included), 1 bad input or an output that failed.
int runBonus(RuleSet rules, const BonusOptions& options, std::ostream& errors);

} // namespace norvik
