#include "calc_reiwa/BonusTax.h"

#include "TableFiles.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
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
    BonusRequest request;
    BonusMethod method;
    std::int64_t tax;
    const char* why;
};

// Worked out by hand from the files (monthly-*.tsv and bonus-*.tsv), or given with the task.
const TaxCase kWorkedCases[] = {
    {k2026,
     {.column = kKou, .bonus = 1000000, .previousSalary = 196616, .count = 2},
     BonusMethod::RateTable,
     20420,
     "P 196,616, 甲 2 persons: 2.042 %"},
    {k2020,
     {.column = kKou, .bonus = 1200000},
     BonusMethod::NoPreviousSalary,
     28620,
     "no salary last month: the row 199,000–201,000 gives 4,770, × 6"},
    {k2026,
     {.column = kKou, .bonus = 1966160, .previousSalary = 196616, .count = 2},
     BonusMethod::RateTable,
     40148,
     "B = 10 × P stays on the bonus table: 1,966,160 × 2.042 %"},
    {k2026,
     {.column = kKou, .bonus = 1966161, .previousSalary = 196616, .count = 2},
     BonusMethod::OverTenTimes,
     111120,
     "B = 10 × P + 1: 327,693 + 196,616 = 524,309 gives 19,480, P gives 960, (19,480 − 960) × 6"},
    {k2020,
     {.column = kKou, .bonus = 1200000, .longPeriod = true},
     BonusMethod::NoPreviousSalary,
     8640,
     "a period over six months: 100,000 gives 720, × 12"},
    {k2026,
     {.column = kKou, .bonus = 1200000, .previousSalary = 150000, .previousInsurance = 150000},
     BonusMethod::NoPreviousSalary,
     26040,
     "salary equal to its insurance counts as none: 200,000 gives 4,340, × 6"},
    {k2026,
     {.column = kKou, .bonus = 1200000, .previousSalary = 150000, .previousInsurance = 160000},
     BonusMethod::NoPreviousSalary,
     26040,
     "salary below its insurance counts as none"},
    {k2026,
     {.column = kKou, .bonus = 1250000, .bonusInsurance = 50000},
     BonusMethod::NoPreviousSalary,
     26040,
     "the bonus's own insurance comes off first"},
    {k2020,
     {.column = kOtsu, .bonus = 1200000},
     BonusMethod::NoPreviousSalary,
     125400,
     "乙 on the monthly table: 20,900 × 6"},
    {k2020,
     {.column = kOtsu, .bonus = 1200000, .count = 2},
     BonusMethod::NoPreviousSalary,
     106080,
     "乙 on the monthly table, 2 persons declared: (20,900 − 3,220) × 6"},
    {k2026,
     {.column = kOtsu, .bonus = 1000001, .previousSalary = 100000},
     BonusMethod::OverTenTimes,
     231822,
     "乙 over ten times P: 266,666 gives 41,700, P below the first band 3,063, × 6"},
    {k2026,
     {.column = kOtsu, .bonus = 1000000, .previousSalary = 100000, .count = 2},
     BonusMethod::RateTable,
     102100,
     "乙 on the bonus table: 10.21 % whatever the persons declared"},
    {k2026,
     {.column = kOtsu, .bonus = 4800000, .count = 2},
     BonusMethod::NoPreviousSalary,
     1682904,
     "乙 rate line: (259,200 + 60,000 × 40.84 % − 3,220) × 6"},
    {k2026,
     {.column = kKou, .bonus = 3144000, .count = 7},
     BonusMethod::NoPreviousSalary,
     34860,
     "7 persons: 524,000 gives 5,810, × 6"},
    {k2026,
     {.column = kKou, .bonus = 3144000, .count = 8},
     BonusMethod::NoPreviousSalary,
     25200,
     "8 persons: (5,810 − 1,610) × 6"},
    {k2026,
     {.column = kKou, .bonus = 3144000, .count = 9},
     BonusMethod::NoPreviousSalary,
     15540,
     "9 persons: (5,810 − 3,220) × 6"},
    {k2027,
     {.column = kKou, .bonus = 1200000},
     BonusMethod::NoPreviousSalary,
     25020,
     "2027 on the monthly table: 4,170 × 6"},
    {k2027,
     {.column = kKou, .bonus = 1966161, .previousSalary = 196616, .count = 2},
     BonusMethod::OverTenTimes,
     110040,
     "2027 over ten times P: 524,309 gives 19,140, P 800, (19,140 − 800) × 6"},
    {k2026,
     {.column = kKou, .bonus = 0, .previousSalary = 300000},
     BonusMethod::RateTable,
     0,
     "no bonus"},
    {k2026,
     {.column = kKou, .bonus = 1, .previousSalary = 1},
     BonusMethod::RateTable,
     0,
     "P 1 yen is under 82,000: 0 %"},
    // The largest request keeps every product exact.
    {k2026,
     {.column = kKou, .bonus = kLargestBonusInput, .previousSalary = 100000000000},
     BonusMethod::RateTable,
     459449999999,
     "45.945 % of 999,999,999,999"},
    {k2026,
     {.column = kKou, .bonus = kLargestBonusInput, .longPeriod = true},
     BonusMethod::NoPreviousSalary,
     459444206328,
     "(1,125,270 + (83,333,333,333 − 3,500,000) × 45.945 %) × 12"},
    {k2026,
     {.column = kOtsu, .bonus = kLargestBonusInput, .previousSalary = 1},
     BonusMethod::OverTenTimes,
     459449218440,
     "(655,400 + (166,666,666,667 − 1,710,000) × 45.945 % − 0) × 6"},
    {k2026,
     {.column = kKou,
      .bonus = kLargestBonusInput,
      .bonusInsurance = kLargestBonusInput,
      .previousSalary = kLargestBonusInput,
      .previousInsurance = kLargestBonusInput,
      .count = kLargestBonusInput},
     BonusMethod::NoPreviousSalary,
     0,
     "every input at its largest"},
};

TEST(BonusTax, WorkedCases) {
    for (const TaxCase& c : kWorkedCases) {
        const BonusTaxResult r = computeBonusTax(c.rules, c.request);
        ASSERT_FALSE(r.refused()) << c.why << ": " << r.refusal->message;
        EXPECT_EQ(r.tax, c.tax) << c.why;
        EXPECT_EQ(r.amounts.tax, c.tax) << c.why;
        EXPECT_EQ(r.amounts.method, c.method) << c.why;
    }
}

struct BonusPeriod {
    RuleSet rules;
    const char* file;
};
constexpr BonusPeriod kBonusPeriods[] = {{k2020, "bonus-2020.tsv"}, {k2026, "bonus-2026.tsv"}};

// The file's rate "0.02042" in hundred-thousandths.
std::int64_t rateOf(const std::string& fraction) {
    std::string decimals = fraction.size() > 2 ? fraction.substr(2) : "";
    decimals.resize(5, '0');
    return std::stoll(decimals);
}

struct ColumnCase {
    std::string fileColumn; // "kou3", "otsu"
    TaxColumn column;
    std::vector<std::int64_t> counts;
};

// Every band of every column, at P one yen below its start, at its start and one yen below its
// end, with the bonus at ten times P, as far as the bonus table still holds. P 0 is no salary,
// so the first band is tried from 1 yen.
TEST(BonusTax, EveryBandEdgeTakesTheFilesRate) {
    std::vector<ColumnCase> columns;
    for (std::int64_t count = 0; count < 7; ++count) {
        columns.push_back({"kou" + std::to_string(count), kKou, {count}});
    }
    columns.push_back({"kou7", kKou, {7, 8, 9}});
    columns.push_back({"otsu", kOtsu, {0, 2}});
    for (const BonusPeriod& period : kBonusPeriods) {
        const TableFile file = readTableFile(period.file);
        int checked = 0;
        for (const ColumnCase& column : columns) {
            std::optional<std::int64_t> previousRate;
            for (std::size_t i = 0; i < file.lines.size(); ++i) {
                const std::string& lower = file.field(i, column.fileColumn + "_lower");
                const std::string& upper = file.field(i, column.fileColumn + "_upper");
                if (lower == "-") {
                    continue;
                }
                const std::int64_t rate = rateOf(file.field(i, "rate"));
                std::vector<std::pair<std::int64_t, std::int64_t>> edges; // P, its rate
                const std::int64_t start = std::stoll(lower);
                if (start == 0) {
                    edges.emplace_back(1, rate);
                } else {
                    edges.emplace_back(start - 1, *previousRate);
                    edges.emplace_back(start, rate);
                }
                if (upper != "-") {
                    edges.emplace_back(std::stoll(upper) - 1, rate);
                }
                previousRate = rate;
                for (const auto& [p, expectedRate] : edges) {
                    for (const std::int64_t count : column.counts) {
                        const BonusRequest request{.column = column.column,
                                                   .bonus = 10 * p + 5000,
                                                   .bonusInsurance = 5000,
                                                   .previousSalary = p + 12345,
                                                   .previousInsurance = 12345,
                                                   .count = count};
                        const BonusTaxResult r = computeBonusTax(period.rules, request);
                        const std::string where =
                            std::string(period.file) + " " + column.fileColumn + " count " +
                            std::to_string(count) + ", P " + std::to_string(p);
                        ASSERT_FALSE(r.refused()) << where;
                        EXPECT_EQ(r.amounts.method, BonusMethod::RateTable) << where;
                        EXPECT_EQ(r.amounts.rate, expectedRate) << where;
                        EXPECT_EQ(r.tax, 10 * p * expectedRate / 100000) << where;
                        ++checked;
                    }
                }
            }
        }
        EXPECT_GT(checked, 500) << period.file;
    }
}

using Working = std::vector<std::pair<std::string, std::string>>;

// The fields a result writes, by id; the fields a method leaves empty are left out.
Working workingOf(const TaxResult& r) {
    Working working;
    for (const Field& f : r.fields) {
        if (!f.text.empty()) {
            working.emplace_back(f.id, f.text);
        }
    }
    return working;
}

struct WorkingCase {
    RuleSet rules;
    BonusRequest request;
    Working working;
};

TEST(BonusTax, TheWorkingAsAClerkWritesIt) {
    const WorkingCase cases[] = {
        {k2026,
         {.column = kKou,
          .bonus = 1000000,
          .bonusInsurance = 150000,
          .previousSalary = 220000,
          .previousInsurance = 23384,
          .count = 2},
         {{"bonusFormula", "1,000,000円-150,000円"},
          {"netBonus", "850,000"},
          {"previousSalaryFormula", "220,000円-23,384円"},
          {"netPreviousSalary", "196,616"},
          {"method", "賞与に対する源泉徴収税額の算出率の表"},
          {"methodFormula", "850,000円≦196,616円×10=1,966,160円"},
          {"rateChoice", "前月の社会保険料等控除後の給与等の金額 196,616円 → 甲欄・扶養親族等2人 "
                         "143,000円以上 276,000円未満 → 2.042%"},
          {"rate", "2.042%"},
          {"taxFormula", "850,000円×2.042%"},
          {"bonusTax", "17,357"}}},
        {k2020,
         {.column = kKou, .bonus = 1200000},
         {{"bonusFormula", "1,200,000円-0円"},
          {"netBonus", "1,200,000"},
          {"previousSalaryFormula", "0円-0円"},
          {"netPreviousSalary", "0"},
          {"method", "月額表（前月中の給与等の金額がない場合）"},
          {"period", "6か月以下（6で割る）"},
          {"monthlySalaryFormula", "1,200,000円÷6=200,000円"},
          {"monthlyRow", "199,000円以上 201,000円未満、甲欄・扶養親族等0人"},
          {"monthlyTax", "4,770"},
          {"taxFormula", "4,770円×6"},
          {"bonusTax", "28,620"}}},
        {k2026,
         {.column = kKou, .bonus = 1966161, .previousSalary = 196616, .count = 2},
         {{"bonusFormula", "1,966,161円-0円"},
          {"netBonus", "1,966,161"},
          {"previousSalaryFormula", "196,616円-0円"},
          {"netPreviousSalary", "196,616"},
          {"method",
           "月額表（賞与の金額が前月の社会保険料等控除後の給与等の金額の10倍を超える場合）"},
          {"methodFormula", "1,966,161円>196,616円×10=1,966,160円"},
          {"period", "6か月以下（6で割る）"},
          {"monthlySalaryFormula", "1,966,161円÷6+196,616円=524,309円"},
          {"monthlyRow", "524,000円以上 527,000円未満、甲欄・扶養親族等2人"},
          {"monthlyTax", "19,480"},
          {"previousRow", "195,000円以上 197,000円未満、甲欄・扶養親族等2人"},
          {"previousTax", "960"},
          {"taxFormula", "(19,480円-960円)×6"},
          {"bonusTax", "111,120"}}},
        {k2026,
         {.column = kOtsu,
          .bonus = 4800000,
          .previousSalary = 100000,
          .previousInsurance = 120000,
          .count = 2,
          .longPeriod = true},
         {{"bonusFormula", "4,800,000円-0円"},
          {"netBonus", "4,800,000"},
          {"previousSalaryFormula", "100,000円-120,000円"},
          {"netPreviousSalary", "-20,000"},
          {"method", "月額表（前月中の給与等の金額が前月中の社会保険料等の金額以下である場合）"},
          {"period", "6か月超（12で割る）"},
          {"monthlySalaryFormula", "4,800,000円÷12=400,000円"},
          {"monthlyRow", "398,000円以上 401,000円未満、乙欄・従たる給与の扶養親族等2人"},
          {"monthlyTaxFormula", "88,700円-1,610円×2人"},
          {"monthlyTax", "85,480"},
          {"taxFormula", "85,480円×12"},
          {"bonusTax", "1,025,760"}}},
        {k2026,
         {.column = kOtsu, .bonus = 4800000, .count = 2},
         {{"bonusFormula", "4,800,000円-0円"},
          {"netBonus", "4,800,000"},
          {"previousSalaryFormula", "0円-0円"},
          {"netPreviousSalary", "0"},
          {"method", "月額表（前月中の給与等の金額がない場合）"},
          {"period", "6か月以下（6で割る）"},
          {"monthlySalaryFormula", "4,800,000円÷6=800,000円"},
          {"monthlyRow", "740,000円以上 1,710,000円未満、乙欄・従たる給与の扶養親族等2人"},
          {"monthlyTaxFormula", "259,200円+(800,000円-740,000円)×40.84%、283,704円-1,610円×2人"},
          {"monthlyTax", "280,484"},
          {"taxFormula", "280,484円×6"},
          {"bonusTax", "1,682,904"}}},
        {k2026,
         {.column = kKou, .bonus = 500000, .previousSalary = 50000, .count = 9},
         {{"bonusFormula", "500,000円-0円"},
          {"netBonus", "500,000"},
          {"previousSalaryFormula", "50,000円-0円"},
          {"netPreviousSalary", "50,000"},
          {"method", "賞与に対する源泉徴収税額の算出率の表"},
          {"methodFormula", "500,000円≦50,000円×10=500,000円"},
          {"rateChoice", "前月の社会保険料等控除後の給与等の金額 50,000円 → "
                         "甲欄・扶養親族等7人以上（9人） 317,000円未満 → 0%"},
          {"rate", "0%"},
          {"taxFormula", "500,000円×0%"},
          {"bonusTax", "0"}}},
        {k2020,
         {.column = kOtsu, .bonus = 1000000, .previousSalary = 2000000, .count = 1},
         {{"bonusFormula", "1,000,000円-0円"},
          {"netBonus", "1,000,000"},
          {"previousSalaryFormula", "2,000,000円-0円"},
          {"netPreviousSalary", "2,000,000"},
          {"method", "賞与に対する源泉徴収税額の算出率の表"},
          {"methodFormula", "1,000,000円≦2,000,000円×10=20,000,000円"},
          {"rateChoice", "前月の社会保険料等控除後の給与等の金額 2,000,000円 → 乙欄 "
                         "1,118,000円以上 → 45.945%"},
          {"rate", "45.945%"},
          {"taxFormula", "1,000,000円×45.945%"},
          {"bonusTax", "459,450"}}},
    };
    for (const WorkingCase& c : cases) {
        const BonusTaxResult r = computeBonusTax(c.rules, c.request);
        EXPECT_EQ(workingOf(r), c.working) << c.request.bonus << " yen";
    }
}

TEST(BonusTax, TheResultNamesItsRulesAndDeclaredFields) {
    const BonusTaxResult r = computeBonusTax(k2027, {.bonus = 1200000});
    EXPECT_EQ(r.rules.name, "令和9年分");
    EXPECT_EQ(r.rules.period, "2027-01-01～2027-12-31");
    ASSERT_EQ(r.fields.size(), bonusTaxFields().size());
    for (std::size_t i = 0; i < r.fields.size(); ++i) {
        EXPECT_EQ(r.fields[i].id, bonusTaxFields()[i].id);
        EXPECT_EQ(r.fields[i].caption, bonusTaxFields()[i].caption);
    }
    EXPECT_TRUE(r.field("taxFormula")->formula);
    EXPECT_FALSE(r.field("bonusTax")->formula);
}

TEST(BonusTax, OnlyThePeriodsWithABonusTableHaveOne) {
    EXPECT_EQ(bonusTableFor(k2020)->fileName, "bonus-2020.tsv");
    EXPECT_EQ(bonusTableFor(k2026)->fileName, "bonus-2026.tsv");
    EXPECT_EQ(bonusTableFor(k2027), nullptr);
    EXPECT_EQ(bonusTableFor(RuleSet::Paid2007to2012), nullptr);
}

struct BadRequest {
    RuleSet rules;
    BonusRequest request;
    const char* message;
    // A table this program lacks sends the clerk elsewhere; a value out of range is corrected.
    RefusalReason reason = RefusalReason::BadInput;
};

TEST(BonusTax, RequestsItCannotAnswerAreRefusedWithTheReason) {
    const BadRequest requests[] = {
        {k2027,
         {.bonus = 500000, .previousSalary = 300000},
         "令和9年分の賞与に対する源泉徴収税額の算出率の表はまだありません。この賞与は前月の社会保"
         "険料等控除後の給与等の金額の10倍以下なので、その表がなければ計算できません。月額表を使う"
         "場合（前月中の給与等の金額がない場合と、賞与の金額が前月の社会保険料等控除後の給与等の金"
         "額の10倍を超える場合）は計算できます。",
         RefusalReason::NotCovered},
        {k2027,
         {.bonus = 3000000, .previousSalary = 300000},
         "令和9年分の賞与に対する源泉徴収税額の算出率の表はまだありません。この賞与は前月の社会保"
         "険料等控除後の給与等の金額の10倍以下なので、その表がなければ計算できません。月額表を使う"
         "場合（前月中の給与等の金額がない場合と、賞与の金額が前月の社会保険料等控除後の給与等の金"
         "額の10倍を超える場合）は計算できます。",
         RefusalReason::NotCovered},
        {RuleSet::Paid2007to2012,
         {.bonus = 1200000},
         "平成19年分～平成24年分の賞与の税額表はこのプログラムにありません。賞与の税額は令和2年分以"
         "降の規定でだけ計算できます。",
         RefusalReason::NotCovered},
        {k2026,
         {.bonus = -1},
         "令和8年分の賞与の計算では、賞与の金額は0から999,999,999,999までです。"},
        {k2026,
         {.bonus = kLargestBonusInput + 1},
         "令和8年分の賞与の計算では、賞与の金額は0から999,999,999,999までです。"},
        {k2020,
         {.bonus = 100, .bonusInsurance = -1},
         "令和2年分～令和7年分の賞与の計算では、賞与から控除される社会保険料等の金額は0から999,999,"
         "999,999までです。"},
        {k2026,
         {.previousSalary = -1},
         "令和8年分の賞与の計算では、前月中の給与等の金額は0から999,999,999,999までです。"},
        {k2026,
         {.previousInsurance = kLargestBonusInput + 1},
         "令和8年分の賞与の計算では、前月中の社会保険料等の金額は0から999,999,999,999までです。"},
        {k2026,
         {.count = -1},
         "令和8年分の賞与の計算では、扶養親族等の数は0から999,999,999,999までです。"},
        {k2026,
         {.bonus = 100000, .bonusInsurance = 100001},
         "賞与から控除される社会保険料等の金額（100,001円）が賞与の金額（100,"
         "000円）を超えています。"},
    };
    for (const BadRequest& bad : requests) {
        for (const TaxColumn column : {kKou, kOtsu}) {
            BonusRequest request = bad.request;
            request.column = column;
            const BonusTaxResult r = computeBonusTax(bad.rules, request);
            ASSERT_TRUE(r.refused()) << bad.message;
            EXPECT_EQ(r.refusal->title, "情報");
            EXPECT_EQ(r.refusal->message, bad.message);
            EXPECT_EQ(r.refusal->reason, bad.reason) << bad.message;
            EXPECT_TRUE(r.fields.empty());
            EXPECT_FALSE(r.tax);
        }
    }
}

} // namespace
} // namespace norvik
