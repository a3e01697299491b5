// The reviewed reference cases: every display field's full text, compared field by field and
// in the order the computations write them.

#include "GoldenCases.h"

#include "calc_kou/computation/KouComputation.h"
#include "calc_otsu/computation/OtsuComputation.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace norvik {
namespace {

norvik::Extended extendedInput(const GoldenCase& c, const char* name) {
    return std::strtold(c.inputs.at(name).c_str(), nullptr);
}

GoldenFields fieldsOf(const TaxResult& result) {
    GoldenFields fields;
    for (const Field& field : result.fields) {
        fields.emplace_back(field.id, field.text);
    }
    return fields;
}

void expectSameFields(const GoldenCase& c, const GoldenFields& actual) {
    SCOPED_TRACE("case at line " + std::to_string(c.line) + ": " + c.title);
    ASSERT_EQ(actual.size(), c.expected.size());
    auto want = c.expected.begin();
    for (const auto& [field, text] : actual) {
        EXPECT_EQ(field, want->first);
        EXPECT_EQ(text, want->second) << "field " << field;
        ++want;
    }
}

TEST(GoldenKou, EveryFieldOfEveryReviewedCase) {
    const auto cases = loadGoldenCases(NORVIK_GOLDEN_DIR "/kou_cases.txt");
    ASSERT_GE(cases.size(), 10u);
    for (const GoldenCase& c : cases) {
        const norvik::KouInput input{extendedInput(c, "salary"), c.inputs.at("salaryText"),
                                     extendedInput(c, "dependents"), c.inputs.at("dependentsText"),
                                     std::atoi(c.inputs.at("spouse").c_str())};
        expectSameFields(c, fieldsOf(norvik::computeKou(input)));
    }
}

TEST(GoldenOtsu, EveryFieldOrRefusalOfEveryReviewedCase) {
    const auto cases = loadGoldenCases(NORVIK_GOLDEN_DIR "/otsu_cases.txt");
    ASSERT_GE(cases.size(), 10u);
    for (const GoldenCase& c : cases) {
        const auto result =
            norvik::computeOtsu(extendedInput(c, "salary"), extendedInput(c, "dependents"));
        GoldenFields actual = fieldsOf(result);
        if (result.refusal) {
            EXPECT_TRUE(result.fields.empty()) << c.title;
            EXPECT_FALSE(result.tax) << c.title;
            actual.emplace_back("refusal.title", result.refusal->title);
            actual.emplace_back("refusal.message", result.refusal->message);
        }
        expectSameFields(c, actual);
    }
}

} // namespace
} // namespace norvik
