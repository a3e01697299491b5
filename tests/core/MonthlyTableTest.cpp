#include "calc_reiwa/MonthlyTable.h"

#include "TableFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace norvik {
namespace {

constexpr RuleSet k2020 = RuleSet::Paid2020to2025;
constexpr RuleSet k2026 = RuleSet::Paid2026;
constexpr RuleSet k2027 = RuleSet::Paid2027;
constexpr TaxColumn kKou = TaxColumn::Kou;
constexpr TaxColumn kOtsu = TaxColumn::Otsu;

struct TaxCase {
    RuleSet rules;
    TaxColumn column;
    std::int64_t salary, count, tax;
    const char* why;
};

// Worked out from the files by hand (rate amounts with their fraction dropped), or given with
// the task.
const TaxCase kWorkedCases[] = {
    {k2026, kKou, 300000, 2, 4700, "a printed row"},
    {k2026, kOtsu, 300000, 0, 53600, "乙 on a printed row"},
    {k2026, kOtsu, 300000, 2, 50380, "乙 less 1,610 yen for each person declared"},
    {k2026, kOtsu, 100000, 0, 3063, "乙 below the first band: 3.063 %"},
    {k2026, kKou, 800000, 0, 84238, "甲 rate line: 81,890 + 10,000 × 23.483 %"},
    {k2026, kOtsu, 800000, 0, 283704, "乙 rate line: 259,200 + 60,000 × 40.84 %"},
    {k2026, kKou, 500000, 9, 1610, "甲 9 persons: the 7-person 4,830 less 2 × 1,610"},
    {k2027, kOtsu, 300000, 0, 53200, "2027 乙"},
    {k2027, kKou, 300000, 2, 4530, "2027 甲"},
    {k2020, kKou, 88000, 0, 130, "2020 first band"},
    {k2020, kOtsu, 88000, 0, 3200, "2020 乙 first band"},
    {k2026, kKou, 775200, 3, 59477, "52,290 + 35,200 × 20.42 % = 59,477.84"},
    {k2026, kKou, 800000, 8, 37358, "7-person rate amount 38,968 less 1,610"},
    {k2026, kKou, 800000, 20, 18038, "7-person rate amount 38,968 less 13 × 1,610"},
    {k2026, kOtsu, 800000, 2, 280484, "乙 rate line less 2 × 1,610"},
    // Below the first band.
    {k2020, kOtsu, 0, 0, 0, "乙 of nothing"},
    {k2026, kOtsu, 1, 0, 0, "0.03063 yen dropped"},
    {k2020, kOtsu, 87999, 0, 2695, "2020 乙 just below 88,000"},
    {k2026, kOtsu, 104999, 0, 3216, "2026 乙 just below 105,000"},
    {k2027, kOtsu, 110999, 0, 3399, "2027 乙 just below 111,000"},
    {k2026, kOtsu, 100000, 1, 1453, "3.063 % less 1,610"},
    {k2026, kOtsu, 100000, 2, 0, "3,063 less 3,220 is no tax, not a refund"},
    {k2026, kKou, 104999, 20, 0, "甲 below the first band for any count"},
    // The last yen of each rate line but the last, 甲 for 0 and 7 persons and 乙.
    {k2020, kKou, 779999, 0, 81557, ""},
    {k2020, kKou, 779999, 7, 36287, ""},
    {k2020, kKou, 949999, 0, 121480, ""},
    {k2020, kKou, 949999, 7, 76210, ""},
    {k2020, kKou, 1699999, 0, 374177, ""},
    {k2020, kKou, 1699999, 7, 328907, ""},
    {k2020, kKou, 2169999, 0, 566127, ""},
    {k2020, kKou, 2169999, 7, 520857, ""},
    {k2020, kKou, 2209999, 0, 587905, ""},
    {k2020, kKou, 2209999, 7, 542625, ""},
    {k2020, kKou, 2249999, 0, 609675, ""},
    {k2020, kKou, 2249999, 7, 564405, ""},
    {k2020, kKou, 3499999, 0, 1125619, ""},
    {k2020, kKou, 3499999, 7, 1080349, ""},
    {k2020, kOtsu, 1699999, 0, 651863, ""},
    {k2026, kKou, 789999, 0, 81889, ""},
    {k2026, kKou, 789999, 7, 36619, ""},
    {k2026, kKou, 959999, 0, 121810, ""},
    {k2026, kKou, 959999, 7, 76540, ""},
    {k2026, kKou, 1709999, 0, 374517, ""},
    {k2026, kKou, 1709999, 7, 329237, ""},
    {k2026, kKou, 2129999, 0, 546047, ""},
    {k2026, kKou, 2129999, 7, 500767, ""},
    {k2026, kKou, 2169999, 0, 565775, ""},
    {k2026, kKou, 2169999, 7, 520505, ""},
    {k2026, kKou, 2209999, 0, 587555, ""},
    {k2026, kKou, 2209999, 7, 542285, ""},
    {k2026, kKou, 2249999, 0, 609335, ""},
    {k2026, kKou, 2249999, 7, 564065, ""},
    {k2026, kKou, 3499999, 0, 1125269, ""},
    {k2026, kKou, 3499999, 7, 1079999, ""},
    {k2026, kOtsu, 1709999, 0, 655347, ""},
    {k2027, kKou, 789999, 0, 81209, ""},
    {k2027, kKou, 789999, 7, 35949, ""},
    {k2027, kKou, 959999, 0, 121130, ""},
    {k2027, kKou, 959999, 7, 75870, ""},
    {k2027, kKou, 1719999, 0, 377196, ""},
    {k2027, kKou, 1719999, 7, 331936, ""},
    {k2027, kKou, 2129999, 0, 544643, ""},
    {k2027, kKou, 2129999, 7, 499383, ""},
    {k2027, kKou, 2169999, 0, 565745, ""},
    {k2027, kKou, 2169999, 7, 520485, ""},
    {k2027, kKou, 2209999, 0, 587525, ""},
    {k2027, kKou, 2209999, 7, 542265, ""},
    {k2027, kKou, 2249999, 0, 609305, ""},
    {k2027, kKou, 2249999, 7, 564045, ""},
    {k2027, kKou, 3499999, 0, 1125239, ""},
    {k2027, kKou, 3499999, 7, 1079979, ""},
    {k2027, kOtsu, 1719999, 0, 659231, ""},
    // The largest input keeps every product exact.
    {k2026, kKou, kLargestTableInput, 0, 459449517194, "3,500,000 and above"},
    {k2026, kOtsu, kLargestTableInput, 0, 459449869740, "乙 1,710,000 and above"},
    {k2026, kKou, kLargestTableInput, kLargestTableInput, 0, "every person deducted"},
};

std::string caseName(const TaxCase& c) {
    return std::string(ruleSetName(c.rules)) + (c.column == kKou ? " 甲 " : " 乙 ") +
           std::to_string(c.salary) + " yen, " + std::to_string(c.count) + " persons: " + c.why;
}

TEST(MonthlyTable, WorkedCases) {
    for (const TaxCase& c : kWorkedCases) {
        EXPECT_EQ(monthlyTableTax(c.rules, c.column, c.salary, c.count), c.tax) << caseName(c);
        const MonthlyTableResult r = computeMonthlyTable(c.rules, c.column, c.salary, c.count);
        EXPECT_EQ(r.tax, c.tax) << caseName(c);
    }
}

// The amount a table file prints for a salary, found by reading the file's lines as a clerk reads
// the table: nothing where a rate applies beyond the band's first yen.
struct Period {
    RuleSet rules;
    const char* file;
};
constexpr Period kPeriods[] = {
    {k2020, "monthly-2020.tsv"}, {k2026, "monthly-2026.tsv"}, {k2027, "monthly-2027.tsv"}};

std::optional<std::int64_t> printedAmount(const TableFile& file, TaxColumn column,
                                          std::int64_t salary, std::int64_t count) {
    const std::string otherFormula = column == kKou ? "otsu_formula" : "kou_formula";
    const std::string amountColumn =
        column == kKou ? "kou" + std::to_string(std::min<std::int64_t>(count, 7)) : "otsu";
    const std::string rateColumn = column == kKou ? "kou_rate" : "otsu_rate";
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        const std::string& upper = file.field(i, "upper");
        const std::int64_t lower = std::stoll(file.field(i, "lower"));
        if (file.field(i, "kind") == otherFormula || salary < lower ||
            (upper != "-" && salary >= std::stoll(upper))) {
            continue;
        }
        if (file.field(i, rateColumn) != "-" && salary != lower) {
            return std::nullopt;
        }
        return std::stoll(file.field(i, amountColumn));
    }
    return std::nullopt;
}

// The notes' deductions: 甲 1,610 yen for each person over 7, 乙 for each person declared.
std::int64_t lessPersons(std::int64_t amount, TaxColumn column, std::int64_t count) {
    const std::int64_t persons = column == kKou ? std::max<std::int64_t>(count - 7, 0) : count;
    return std::max<std::int64_t>(amount - 1610 * persons, 0);
}

// Both sides of the first and last printed row's seams, of every tenth row's and of each rate
// line's start, in both columns, for 0 to 7, 8 and 20 persons and 乙 with persons declared.
TEST(MonthlyTable, BothSidesOfTheSeamsTakeTheFilesAmounts) {
    const std::int64_t counts[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 20};
    for (const Period& period : kPeriods) {
        const TableFile file = readTableFile(period.file);
        std::vector<std::int64_t> seams;
        std::size_t rowNumber = 0;
        for (std::size_t i = 0; i < file.lines.size(); ++i) {
            const std::string& kind = file.field(i, "kind");
            const bool lastRow = kind == "row" && file.field(i + 1, "kind") != "row";
            if (kind == "row" && (rowNumber % 10 == 0 || lastRow)) {
                seams.push_back(std::stoll(file.field(i, "lower")));
                seams.push_back(std::stoll(file.field(i, "upper")));
            } else if (kind.ends_with("formula")) {
                seams.push_back(std::stoll(file.field(i, "lower")));
            }
            rowNumber += kind == "row";
        }
        int checked = 0;
        for (const std::int64_t seam : seams) {
            for (const std::int64_t salary : {seam - 1, seam}) {
                for (const TaxColumn column : {kKou, kOtsu}) {
                    for (const std::int64_t count : counts) {
                        const auto amount = printedAmount(file, column, salary, count);
                        if (!amount) {
                            continue;
                        }
                        ++checked;
                        EXPECT_EQ(monthlyTableTax(period.rules, column, salary, count),
                                  lessPersons(*amount, column, count))
                            << period.file << (column == kKou ? " 甲 " : " 乙 ") << salary
                            << " yen, " << count << " persons";
                    }
                }
            }
        }
        EXPECT_GT(checked, 900) << period.file;
    }
}

std::vector<std::pair<std::string, std::string>> workingOf(const TaxResult& r) {
    std::vector<std::pair<std::string, std::string>> working;
    for (const Field& f : r.fields) {
        working.emplace_back(f.id, f.text);
    }
    return working;
}

struct WorkingCase {
    RuleSet rules;
    TaxColumn column;
    std::int64_t salary, count;
    std::vector<std::pair<std::string, std::string>> working;
};

TEST(MonthlyTable, TheWorkingAsAClerkWritesIt) {
    const WorkingCase cases[] = {
        {k2026,
         kKou,
         300000,
         2,
         {{"band", "299,000円以上 302,000円未満"},
          {"column", "甲欄・扶養親族等2人"},
          {"tableFormula", "月額表の税額"},
          {"tableTax", "4,700"},
          {"deduction", "0"},
          {"taxFormula", ""},
          {"tax", "4,700"}}},
        {k2026,
         kKou,
         500000,
         9,
         {{"band", "500,000円以上 503,000円未満"},
          {"column", "甲欄・扶養親族等9人"},
          {"tableFormula", "月額表の税額"},
          {"tableTax", "4,830"},
          {"deduction", "3,220"},
          {"taxFormula", "4,830円-1,610円×2人"},
          {"tax", "1,610"}}},
        {k2026,
         kOtsu,
         300000,
         2,
         {{"band", "299,000円以上 302,000円未満"},
          {"column", "乙欄・従たる給与の扶養親族等2人"},
          {"tableFormula", "月額表の税額"},
          {"tableTax", "53,600"},
          {"deduction", "3,220"},
          {"taxFormula", "53,600円-1,610円×2人"},
          {"tax", "50,380"}}},
        {k2026,
         kOtsu,
         800000,
         0,
         {{"band", "740,000円以上 1,710,000円未満"},
          {"column", "乙欄"},
          {"tableFormula", "259,200円+(800,000円-740,000円)×40.84%"},
          {"tableTax", "283,704"},
          {"deduction", "0"},
          {"taxFormula", ""},
          {"tax", "283,704"}}},
        {k2026,
         kOtsu,
         100000,
         0,
         {{"band", "105,000円未満"},
          {"column", "乙欄"},
          {"tableFormula", "100,000円×3.063%"},
          {"tableTax", "3,063"},
          {"deduction", "0"},
          {"taxFormula", ""},
          {"tax", "3,063"}}},
        {k2020,
         kKou,
         4000000,
         0,
         {{"band", "3,500,000円以上"},
          {"column", "甲欄・扶養親族等0人"},
          {"tableFormula", "1,125,620円+(4,000,000円-3,500,000円)×45.945%"},
          {"tableTax", "1,355,345"},
          {"deduction", "0"},
          {"taxFormula", ""},
          {"tax", "1,355,345"}}},
    };
    for (const WorkingCase& c : cases) {
        const MonthlyTableResult r = computeMonthlyTable(c.rules, c.column, c.salary, c.count);
        EXPECT_EQ(workingOf(r), c.working) << c.salary << " yen, " << c.count << " persons";
    }
}

TEST(MonthlyTable, TheResultNamesItsRulesAndDeclaredFields) {
    const MonthlyTableResult r = computeMonthlyTable(k2027, kKou, 300000, 2);
    EXPECT_EQ(r.rules.name, "令和9年分");
    EXPECT_EQ(r.rules.period, "2027-01-01～2027-12-31");
    ASSERT_EQ(r.fields.size(), monthlyTableFields().size());
    for (std::size_t i = 0; i < r.fields.size(); ++i) {
        EXPECT_EQ(r.fields[i].caption, monthlyTableFields()[i].caption);
    }
    EXPECT_TRUE(r.field("tableFormula")->formula);
    EXPECT_FALSE(r.field("tax")->formula);
}

TEST(MonthlyTable, TheAmountsBehindAFormulaLine) {
    const MonthlyTableAmounts a = computeMonthlyTable(k2026, kKou, 800000, 9).amounts;
    EXPECT_EQ(a.kind, MonthlyLineKind::KouFormula);
    EXPECT_EQ(a.bandLower, 790000);
    EXPECT_EQ(a.bandUpper, 960000);
    EXPECT_EQ(a.tableAmount, 36620);
    EXPECT_EQ(a.rate, 23483);
    EXPECT_EQ(a.formulaAmount, 38968);
    EXPECT_EQ(a.personsDeducted, 2);
    EXPECT_EQ(a.deduction, 3220);
    EXPECT_EQ(a.tax, 35748);
}

// The 2007 rules lie outside what the table covers; a value out of range is the request's fault.
struct BadRequest {
    RuleSet rules;
    std::int64_t salary, count;
    const char* message;
    RefusalReason reason = RefusalReason::BadInput;
};

TEST(MonthlyTable, RequestsItCannotAnswerAreRefusedWithTheReason) {
    const BadRequest requests[] = {
        {RuleSet::Paid2007to2012, 300000, 0,
         "平成19年分～平成24年分の月額表はこのプログラムにありません。月額表による計算は令和2年"
         "分以降の規定でだけできます。",
         RefusalReason::NotCovered},
        {k2026, -1, 0,
         "令和8年分の月額表では、社会保険料等控除後の給与等の金額は0から999,999,999,999までです"
         "。"},
        {k2026, kLargestTableInput + 1, 0,
         "令和8年分の月額表では、社会保険料等控除後の給与等の金額は0から999,999,999,999までです"
         "。"},
        {k2020, 300000, -1,
         "令和2年分～令和7年分の月額表では、扶養親族等の数は0から999,999,999,"
         "999までです。"},
    };
    for (const BadRequest& bad : requests) {
        for (const TaxColumn column : {kKou, kOtsu}) {
            const MonthlyTableResult r =
                computeMonthlyTable(bad.rules, column, bad.salary, bad.count);
            ASSERT_TRUE(r.refused()) << bad.message;
            EXPECT_EQ(r.refusal->message, bad.message);
            EXPECT_EQ(r.refusal->reason, bad.reason) << bad.message;
            EXPECT_TRUE(r.fields.empty());
            EXPECT_FALSE(r.tax);
            EXPECT_THROW(monthlyTableTax(bad.rules, column, bad.salary, bad.count),
                         std::invalid_argument)
                << bad.message;
        }
    }
}

} // namespace
} // namespace norvik
