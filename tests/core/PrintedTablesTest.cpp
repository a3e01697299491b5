// The tables the build converted against the files they came from, field by field: the files
// are read here by plain text handling, and every compiled figure is written back as the file
// writes it.

#include "tables/PrintedTables.h"

#include "TableFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace norvik {
namespace {

std::string figureText(const std::optional<std::int64_t>& figure) {
    return figure ? std::to_string(*figure) : "-";
}

// 40,840 hundred-thousandths as the files write it: "0.4084"; no rate is 1 or more.
std::string rateText(const std::optional<std::int64_t>& rate) {
    if (!rate) {
        return "-";
    }
    if (*rate == 0) {
        return "0";
    }
    std::string decimals = std::to_string(kTableRateScale + *rate).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    return "0." + decimals;
}

std::string kindText(MonthlyLineKind kind) {
    switch (kind) {
    case MonthlyLineKind::Below:
        return "below";
    case MonthlyLineKind::Row:
        return "row";
    case MonthlyLineKind::KouFormula:
        return "kou_formula";
    case MonthlyLineKind::OtsuFormula:
        return "otsu_formula";
    }
    return "?";
}

std::vector<std::string> fieldsOf(const MonthlyTableLine& line) {
    std::vector<std::string> fields{kindText(line.kind), std::to_string(line.lower),
                                    figureText(line.upper)};
    for (const auto& amount : line.kou) {
        fields.push_back(figureText(amount));
    }
    fields.push_back(rateText(line.kouRate));
    fields.push_back(figureText(line.otsu));
    fields.push_back(rateText(line.otsuRate));
    return fields;
}

std::vector<std::string> fieldsOf(const BonusTableRow& row) {
    std::vector<std::string> fields{"row", rateText(row.rate)};
    auto addBand = [&](const BonusBand& band) {
        fields.push_back(figureText(band.lower));
        fields.push_back(figureText(band.upper));
    };
    for (const BonusBand& band : row.kou) {
        addBand(band);
    }
    addBand(row.otsu);
    return fields;
}

template <typename Line>
void expectSameLines(std::string_view fileName, std::span<const Line> compiled) {
    const TableFile file = readTableFile(fileName);
    ASSERT_EQ(compiled.size(), file.lines.size()) << fileName;
    for (std::size_t i = 0; i < compiled.size(); ++i) {
        EXPECT_EQ(fieldsOf(compiled[i]), file.lines[i]) << fileName << ":" << file.lineNumbers[i];
    }
}

TEST(PrintedTables, EveryMonthlyLineIsTheFilesLine) {
    ASSERT_EQ(monthlyTables().size(), 3u);
    for (const MonthlyTable& table : monthlyTables()) {
        expectSameLines(table.fileName, table.lines);
    }
}

TEST(PrintedTables, EveryBonusRowIsTheFilesRow) {
    ASSERT_EQ(bonusTables().size(), 2u);
    for (const BonusTable& table : bonusTables()) {
        expectSameLines(table.fileName, table.rows);
    }
}

TEST(PrintedTables, EveryFileInTheFolderIsConverted) {
    std::vector<std::string> compiled;
    for (const MonthlyTable& table : monthlyTables()) {
        compiled.emplace_back(table.fileName);
    }
    for (const BonusTable& table : bonusTables()) {
        compiled.emplace_back(table.fileName);
    }
    std::ranges::sort(compiled);
    EXPECT_EQ(compiled, tableFileNames());
}

// The lookup takes the shared rows first and each column's rate lines after them.
TEST(PrintedTables, TheMonthlyLinesAreSplitAtTheFirstRateLineOfEachColumn) {
    for (const MonthlyTable& table : monthlyTables()) {
        SCOPED_TRACE(table.fileName);
        EXPECT_EQ(table.rows.front().kind, MonthlyLineKind::Below);
        EXPECT_EQ(table.rows.back().kind, MonthlyLineKind::Row);
        EXPECT_EQ(table.rows.back().upper, 740000);
        for (const MonthlyTableLine& line : table.kouFormulas) {
            EXPECT_EQ(line.kind, MonthlyLineKind::KouFormula);
        }
        for (const MonthlyTableLine& line : table.otsuFormulas) {
            EXPECT_EQ(line.kind, MonthlyLineKind::OtsuFormula);
        }
        EXPECT_EQ(table.rows.size() + table.kouFormulas.size() + table.otsuFormulas.size(),
                  table.lines.size());
    }
}

} // namespace
} // namespace norvik
