// Every reviewed case of the golden files through the program's text output: the same texts
// the windows show, each after the caption the window shows beside it, in the window's order.

#include "ProgramRun.h"

#include "../core/GoldenCases.h"
#include "calc_kou/computation/KouComputation.h"
#include "calc_otsu/computation/OtsuComputation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace norvik {
namespace {

std::string arg(std::string_view name, std::string_view value) {
    return " '--" + std::string(name) + "=" + std::string(value) + "'";
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string textOf(const GoldenFields& fields, std::string_view field) {
    const auto found = std::ranges::find(fields, field, &GoldenFields::value_type::first);
    return found != fields.end() ? found->second : "(no field " + std::string(field) + ")";
}

std::vector<std::string> expectedFieldLines(const GoldenCase& c,
                                            std::span<const FieldSpec> declared) {
    std::vector<std::string> lines;
    for (const auto& [field, text] : c.expected) {
        const FieldSpec* declaration = findField(declared, field);
        lines.push_back((declaration ? std::string(declaration->caption) : "?") + ": " +
                        std::string(text));
    }
    lines.push_back("税額: " + textOf(c.expected, "alldata") + "円");
    return lines;
}

bool refused(const GoldenCase& c) {
    return std::ranges::any_of(c.expected,
                               [](const auto& field) { return field.first == "refusal.message"; });
}

std::string oneLine(std::string_view message) {
    std::string line(message);
    for (auto at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n")) {
        line.erase(at, 2);
    }
    return line;
}

TEST(CalcGolden, ColumnKouPrintsEveryFieldOfEveryReviewedCase) {
    const auto cases = loadGoldenCases(NORVIK_GOLDEN_DIR "/kou_cases.txt");
    ASSERT_GE(cases.size(), 10u);
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE("case at line " + std::to_string(c.line) + ": " + c.title);
        const bool spouse = c.inputs.at("spouse") == "0"; // no choice computes as 配偶者なし
        const ProgramRun run =
            runCalc("--rules 2007 kou" + arg("salary", c.inputs.at("salaryText")) +
                    arg("dependents", c.inputs.at("dependentsText")) +
                    arg("spouse", spouse ? "yes" : "no"));
        ASSERT_EQ(run.status, 0) << run.err;
        std::vector<std::string> expected = {
            "月額表甲欄 電算機計算の特例 (平成19年分～平成24年分)",
            "その月の社会保険料控除後の給与等の金額: " + std::string(c.inputs.at("salaryText")),
            "扶養家族数: " + std::string(c.inputs.at("dependentsText")),
            spouse ? "配偶者あり" : "配偶者なし"};
        for (auto& line : expectedFieldLines(c, norvik::kouFields())) {
            expected.push_back(std::move(line));
        }
        EXPECT_EQ(splitLines(run.out), expected);
    }
}

TEST(CalcGolden, ColumnOtsuPrintsEveryFieldOrTheRefusalOfEveryReviewedCase) {
    const auto cases = loadGoldenCases(NORVIK_GOLDEN_DIR "/otsu_cases.txt");
    ASSERT_GE(cases.size(), 10u);
    constexpr std::size_t kHeadLines = 3; // the title and the two inputs
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE("case at line " + std::to_string(c.line) + ": " + c.title);
        const ProgramRun run = runCalc("--rules 2007 otsu" + arg("salary", c.inputs.at("salary")) +
                                       arg("dependents", c.inputs.at("dependents")));
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = splitLines(run.out);
        ASSERT_GT(lines.size(), kHeadLines);
        const std::vector<std::string> results(lines.begin() + kHeadLines, lines.end());
        if (refused(c)) {
            EXPECT_EQ(results,
                      std::vector<std::string>{oneLine(textOf(c.expected, "refusal.message"))});
        } else {
            EXPECT_EQ(results, expectedFieldLines(c, norvik::otsuFields()));
        }
    }
}

} // namespace
} // namespace norvik
