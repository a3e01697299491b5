#include "calc_kou/computation/KouComputation.h"
#include "help/tool/Fragments.h"
#include "help/tool/HtmlTable.h"
#include "help/tool/WorkedExample.h"
#include "help/tool/YenText.h"
#include "money/AmountText.h"
#include "money/WithholdingTables.h"

#include <string>
#include <string_view>

namespace norvik::help {

namespace {

std::string percentOf(std::string_view what, int percent) {
    return std::string(what) + "×" + std::to_string(percent) + "%";
}

std::string tableOne() {
    HtmlTable table(
        {"その月の社会保険料控除後の給与等の金額", "給与所得控除額", "「算式」欄の表示"});
    const auto rows = deductionRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DeductionRow& row = rows[i];
        const bool last = i + 1 == rows.size();
        const std::string range = yenRange(row.from, last ? 0 : rows[i + 1].from, last);
        if (row.isFixed()) {
            table.addRow({{range}, {yen(kFixedEmploymentDeduction) + "（定額）"}, {"定額"}});
            continue;
        }
        std::string deduction = percentOf("給与等の金額", row.percent);
        if (row.addend != 0) {
            deduction += "＋" + yen(row.addend);
        }
        table.addRow({{range}, {deduction}, {"（給与等の金額）" + std::string(row.rateText)}});
    }
    return table.html();
}

std::string tableTwo() {
    KouInput one;
    one.salaryText = "0";
    one.dependents = 1;
    one.dependentsText = "1";
    one.spouseIndex = 0;
    const KouAmounts amounts = computeKou(one).amounts;
    HtmlTable table({"控除", "控除額"});
    table.addRow(
        {{"配偶者控除"}, {yen(amounts.spouseDeduction) + "（「配偶者なし」のときは0円）"}});
    table.addRow({{"扶養控除"}, {yen(amounts.dependentsDeduction) + "×扶養家族数"}});
    table.addRow({{"基礎控除"}, {yen(kBasicDeduction) + "（どなたにも）"}});
    return table.html();
}

std::string tableThree() {
    HtmlTable table(
        {"その月の課税給与所得金額", "税額（10円単位にする前）", "「算式」欄（税額）の末尾"});
    const auto rows = taxRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TaxRow& row = rows[i];
        const bool last = i + 1 == rows.size();
        std::string tax = percentOf("課税給与所得金額", row.percent);
        if (row.subtraction != 0) {
            tax += "－" + yen(row.subtraction);
        }
        table.addRow({{yenRange(row.from, last ? 0 : rows[i + 1].from, last)},
                      {tax},
                      {")" + std::string(row.rateText)}});
    }
    return table.html();
}

// The first worked example: a salary of 300,000 yen, two dependents and the spouse deduction.
KouInput exampleInput() {
    KouInput input;
    input.salary = 300000;
    input.salaryText = "300,000";
    input.dependents = 2;
    input.dependentsText = "2";
    input.spouseIndex = 0;
    return input;
}

// The fields in the order of the working, each by the captions a clerk sees on the screen.
constexpr ShownField kExampleFields[] = {
    {"1 第１表", "給与所得控除額(第１表) ― 控除額", "data1"},
    {"1 第１表", "給与所得控除額(第１表) ― 算　式", "formula1"},
    {"2 第２表", "配偶者、扶養家族の控除額(第２表) ― 配偶者控除", "data2"},
    {"2 第２表", "配偶者、扶養家族の控除額(第２表) ― 基礎控除", ""},
    {"2 第２表", "配偶者、扶養家族の控除額(第２表) ― 扶養控除", "data3"},
    {"2 第２表", "配偶者、扶養家族の控除額(第２表) ― 算　式", "formula2"},
    {"3 課税給与所得金額", "その月の課税給与所得金額(第3表) ― 所得金額", "data5"},
    {"3 課税給与所得金額", "その月の課税給与所得金額(第3表) ― 算　式", "formula4"},
    {"3 課税給与所得金額", "その月の課税給与所得金額(第3表) ― 算式の下の説明", "formula5"},
    {"4 第３表", "税額の枠 ― 算　式", "formula3"},
    {"4 第３表", "税額の枠 ― 税　額", "alldata"},
};

std::string workedExample(const KouResult& result) {
    return workedExampleTable(kExampleFields, result, "kou");
}

} // namespace

void addKouFragments(Fragments& fragments) {
    fragments["kou-table1"] = tableOne();
    fragments["kou-table2"] = tableTwo();
    fragments["kou-table3"] = tableThree();
    fragments["basic-deduction"] = amountText(kBasicDeduction);

    const KouResult example = computeKou(exampleInput());
    fragments["kou-example"] = workedExample(example);
    fragments["kou-example-table-tax"] = yen(example.amounts.tableTax);
    fragments["kou-example-tax"] = yen(example.amounts.shownTax);
}

} // namespace norvik::help
