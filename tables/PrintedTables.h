#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace norvik {

// The printed withholding tables as data. The figures are converted from the .tsv files beside
// this header when the program is built (tables/GenerateTables.cmake), so none is typed in code
// and nothing is read at run time. An absent figure (the files' "-") is std::nullopt.

// Rates are counted in hundred-thousandths: 40.84 % is 40,840, so that a whole-yen amount times
// a rate is an exact integer before the fraction of a yen is dropped.
inline constexpr std::int64_t kTableRateScale = 100000;

// The counts of 扶養親族等 the monthly and bonus tables print a column for: 0 to 7.
inline constexpr std::size_t kKouColumns = 8;

enum class MonthlyLineKind {
    Below,       // the region under the first printed band: 甲 0, 乙 a rate of the salary
    Row,         // a printed band with its amounts
    KouFormula,  // a column-甲 rate line from 740,000 yen
    OtsuFormula, // a column-乙 rate line from 740,000 yen
};

// One line of a monthly table (月額表): the band lower ≤ salary < upper and its figures.
struct MonthlyTableLine {
    MonthlyLineKind kind = MonthlyLineKind::Row;
    std::int64_t lower = 0;            // 以上
    std::optional<std::int64_t> upper; // 未満; none on the last line of a column
    std::array<std::optional<std::int64_t>, kKouColumns> kou{}; // by 扶養親族等の数
    std::optional<std::int64_t> kouRate;                        // on KouFormula lines
    std::optional<std::int64_t> otsu;
    std::optional<std::int64_t> otsuRate; // on the Below line and on OtsuFormula lines
};

// A monthly table as the lookup uses it: the lines in the file's order, which the converter
// checks is the Below line, the printed rows and then each column's rate lines, each column's
// bands following on without a gap.
struct MonthlyTable {
    std::string_view fileName; // "monthly-2026.tsv"
    std::span<const MonthlyTableLine> lines;
    std::span<const MonthlyTableLine> rows;         // the Below line and the printed rows
    std::span<const MonthlyTableLine> kouFormulas;  // column 甲 above the rows
    std::span<const MonthlyTableLine> otsuFormulas; // column 乙 above the rows
};

// The band of last month's salary in one column of a bonus table (算出率の表). A row without a
// band in a column (column 乙 prints only five) has no lower bound; the last band has no upper.
struct BonusBand {
    std::optional<std::int64_t> lower; // 以上
    std::optional<std::int64_t> upper; // 未満
};

// One row of a bonus table: the rate applied to the bonus and, for each column, the band of last
// month's salary that selects it.
struct BonusTableRow {
    std::int64_t rate = 0; // 賞与の金額に乗ずべき率, hundred-thousandths
    std::array<BonusBand, kKouColumns> kou{}; // kou[7] is the table's 「7人以上」
    BonusBand otsu;
};

struct BonusTable {
    std::string_view fileName; // "bonus-2026.tsv"
    std::span<const BonusTableRow> rows;
};

// 令和2年分～令和7年分, 令和8年分 and 令和9年分.
const MonthlyTable& monthlyTable2020();
const MonthlyTable& monthlyTable2026();
const MonthlyTable& monthlyTable2027();

// 令和2年分～令和7年分 and 令和8年分; no 令和9年分 bonus table is known.
const BonusTable& bonusTable2020();
const BonusTable& bonusTable2026();

// Every table converted, in the order of their files' names.
std::span<const MonthlyTable> monthlyTables();
std::span<const BonusTable> bonusTables();

} // namespace norvik
