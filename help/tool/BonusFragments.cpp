#include "calc_reiwa/BonusTax.h"
#include "help/tool/Fragments.h"
#include "help/tool/WorkedExample.h"
#include "help/tool/YenText.h"

#include <string>
#include <string_view>
#include <vector>

namespace norvik::help {

namespace {

// norvik_calc prints the same captions and texts, one per line.
constexpr ExampleHeadings kCommandLineHeadings = {"手順", "項目（norvik_calc の表示）", "表示"};

// The step of the working each field belongs to.
std::string_view stepOf(std::string_view field) {
    const std::pair<std::string_view, std::string_view> steps[] = {
        {"bonusFormula", "賞与の金額"},
        {"netBonus", "賞与の金額"},
        {"previousSalaryFormula", "前月の給与等"},
        {"netPreviousSalary", "前月の給与等"},
        {"method", "計算方法"},
        {"methodFormula", "計算方法"},
        {"rateChoice", "算出率"},
        {"rate", "算出率"},
        {"previousRow", "前月の給与等の月額表"},
        {"previousTaxFormula", "前月の給与等の月額表"},
        {"previousTax", "前月の給与等の月額表"},
        {"taxFormula", "税額"},
        {"bonusTax", "税額"},
    };
    for (const auto& [id, step] : steps) {
        if (id == field) {
            return step;
        }
    }
    return "月額表";
}

// Only the fields of the path taken: the others stay empty and the command line leaves them out.
std::string workedExample(const BonusTaxResult& result, std::string_view idPrefix) {
    std::vector<ShownField> shown;
    for (const Field& field : result.fields) {
        if (!field.text.empty()) {
            shown.push_back({stepOf(field.id), field.caption, field.id});
        }
    }
    return workedExampleTable(shown, result, idPrefix, kCommandLineHeadings);
}

} // namespace

// The examples are the published ones: the rate that P = 196,616 yen chooses for two persons in
// 2026, and a bonus of 1,200,000 yen with no salary the month before under the rules of 2020 to
// 2025.
void addBonusFragments(Fragments& fragments) {
    const BonusTaxResult byRate = computeBonusTax(RuleSet::Paid2026, kBonusRateExample);
    fragments["bonus-rate-example"] = workedExample(byRate, "bonus-rate");
    fragments["bonus-rate-example-rules"] = std::string(byRate.rules.name);
    fragments["bonus-rate-example-tax"] = yen(*byRate.tax);

    const BonusTaxResult byMonthlyTable =
        computeBonusTax(RuleSet::Paid2020to2025, kBonusMonthlyTableExample);
    fragments["bonus-monthly-example"] = workedExample(byMonthlyTable, "bonus-monthly");
    fragments["bonus-monthly-example-rules"] = std::string(byMonthlyTable.rules.name);
    fragments["bonus-monthly-example-tax"] = yen(*byMonthlyTable.tax);
}

} // namespace norvik::help
