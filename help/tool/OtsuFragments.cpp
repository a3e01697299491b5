#include "calc_otsu/computation/OtsuComputation.h"
#include "help/tool/Fragments.h"
#include "help/tool/HtmlTable.h"
#include "help/tool/HtmlText.h"
#include "help/tool/WorkedExample.h"
#include "help/tool/YenText.h"
#include "money/AmountText.h"
#include "money/WithholdingTables.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace norvik::help {

namespace {

std::string stepBands() {
    HtmlTable table(
        {"その月の社会保険料控除後の給与等の金額", "同一階差の最小値", "階差", "「算式」欄の表示"});
    const auto bands = otsuStepBands();
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const OtsuStepBand& band = bands[i];
        const bool last = i + 1 == bands.size();
        const std::int64_t from = std::max(band.lowest, kOtsuLowestRefused + 1);
        const std::int64_t to = last ? kOtsuHighestAccepted : bands[i + 1].lowest - 1;
        table.addRow({{yen(from) + " ～ " + yen(to)},
                      {yen(band.lowest), "", true},
                      {yen(band.width), "", true},
                      {"（給与等の金額）" + std::string(band.text) + "商...余り"}});
    }
    return table.html();
}

std::string tableOne() {
    HtmlTable table({"金額 A（計算基準額×2.5 または ×1.5）", "給与所得控除額",
                     "「算式」欄の表示（×2.5）", "「算式」欄の表示（×1.5）"});
    const auto rows = deductionRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DeductionRow& row = rows[i];
        const bool last = i + 1 == rows.size();
        const std::string range = yenRange(row.from, last ? 0 : rows[i + 1].from, last);
        const std::string rate(row.rateText);
        if (row.isFixed()) {
            table.addRow({{range},
                          {yen(kFixedEmploymentDeduction) + "（定額）"},
                          {"（計算基準額）×2.5"},
                          {"（計算基準額）×1.5"}});
            continue;
        }
        std::string deduction = "A×" + std::to_string(row.percent) + "%";
        if (row.addend != 0) {
            deduction += "＋" + yen(row.addend);
        }
        table.addRow(
            {{range}, {deduction}, {"（計算基準額）×2.5" + rate}, {"（計算基準額）×1.5" + rate}});
    }
    return table.html();
}

std::string tableThree() {
    HtmlTable table({"課税給与所得金額", "税額（10円未満を四捨五入）", "「算式」欄の表示"});
    const auto rows = taxRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TaxRow& row = rows[i];
        const bool last = i + 1 == rows.size();
        std::string tax = "課税給与所得金額×" + std::to_string(row.percent) + "%";
        if (row.subtraction != 0) {
            tax += "－" + yen(row.subtraction);
        }
        table.addRow({{yenRange(row.from, last ? 0 : rows[i + 1].from, last)},
                      {tax},
                      {"（課税給与所得金額）" + std::string(row.rateText)}});
    }
    return table.html();
}

// The refusal as the information box shows it, its line break kept.
std::string refusalMessage() {
    const OtsuResult refused = computeOtsu(0, 0);
    std::string message = escapeHtml(refused.refusal->message);
    const std::string_view lineBreak = "\r\n";
    if (const std::size_t at = message.find(lineBreak); at != std::string::npos) {
        message.replace(at, lineBreak.size(), "<br>");
    }
    return message;
}

// The fields in the order of the working, each by the captions a clerk sees on the screen.
constexpr ShownField kExampleFields[] = {
    {"1 計算基準額", "計算基準額 ― 商と余り(R)の算式", "formula1"},
    {"1 計算基準額", "計算基準額 ― 計算基準額を出す算式", "formula2"},
    {"1 計算基準額", "計算基準額 ― 計算基準額", "data1"},
    {"2 合計額に対する税額", "給与所得控除", "data2"},
    {"2 合計額に対する税額", "給与所得控除の算式", "formula3"},
    {"2 合計額に対する税額", "基礎控除", ""},
    {"2 合計額に対する税額", "課税給与所得金額", "data11"},
    {"2 合計額に対する税額", "課税給与所得金額の算式", "formula11"},
    {"2 合計額に対する税額", "税　額", "data4"},
    {"2 合計額に対する税額", "税額の算式", "formula4"},
    {"3 主たる給与に対する税額", "給与所得控除", "data6"},
    {"3 主たる給与に対する税額", "給与所得控除の算式", "formula6"},
    {"3 主たる給与に対する税額", "基礎控除", ""},
    {"3 主たる給与に対する税額", "課税給与所得金額", "data12"},
    {"3 主たる給与に対する税額", "課税給与所得金額の算式", "formula12"},
    {"3 主たる給与に対する税額", "税　額", "data9"},
    {"3 主たる給与に対する税額", "税額の算式", "formula9"},
    {"4 扶養控除", "扶養控除", "data5"},
    {"4 扶養控除", "扶養控除の算式", "formula5"},
    {"5 乙欄の税額", "税　額", "alldata"},
    {"5 乙欄の税額", "税額の下の説明", "formulaall"},
};

std::string workedExample(const OtsuResult& result) {
    return workedExampleTable(kExampleFields, result, "otsu");
}

void addExampleFragments(Fragments& fragments) {
    const OtsuResult example = computeOtsu(300000, 2);
    const OtsuAmounts& a = example.amounts;
    fragments["otsu-example"] = workedExample(example);
    fragments["otsu-example-quotient"] = amountText(a.quotient);
    fragments["otsu-example-remainder"] = yen(a.remainder);
    fragments["otsu-example-base"] = yen(a.base);
    fragments["otsu-example-combined-tax"] = yen(a.combinedTax);
    fragments["otsu-example-main-tax"] = yen(a.mainTax);
    fragments["otsu-example-dependents"] = yen(a.dependentsDeduction);
    fragments["otsu-example-difference"] = yen(
        Currency::fromYen(a.combinedTax) - Currency::fromYen(a.mainTax) - a.dependentsDeduction);
    fragments["otsu-example-tax"] = yen(a.tax);
}

} // namespace

void addOtsuFragments(Fragments& fragments) {
    fragments["otsu-bands"] = stepBands();
    fragments["otsu-table1"] = tableOne();
    fragments["otsu-table3"] = tableThree();
    fragments["otsu-lowest-refused"] = yen(kOtsuLowestRefused);
    fragments["otsu-highest-accepted"] = yen(kOtsuHighestAccepted);
    fragments["otsu-per-dependent"] = yen(kOtsuPerDependent);
    fragments["otsu-refusal-title"] = escapeHtml(computeOtsu(0, 0).refusal->title);
    fragments["otsu-refusal-message"] = refusalMessage();
    addExampleFragments(fragments);
}

} // namespace norvik::help
