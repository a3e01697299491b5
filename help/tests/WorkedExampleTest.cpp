// The worked examples in the compiled help show exactly what the windows show for the same
// inputs, field by field, and the refusal reads as the program's message box does.

#include "ExtractedHelp.h"
#include "calc_kou/computation/KouComputation.h"
#include "calc_otsu/computation/OtsuComputation.h"
#include "help/tool/Fragments.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

namespace norvik {
namespace {

const ExtractedHelp kHelp{NORVIK_HELP_EXTRACTED_DIR};

std::string unescapeHtml(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : entities) {
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + 1)) {
            text.replace(at, std::string(entity).size(), plain);
        }
    }
    return text;
}

// The cells of a page that stand for display fields: <td ... id="PREFIX-FIELD">text</td>.
std::map<std::string, std::string> shownFields(const std::string& page, const std::string& prefix) {
    const std::string text = kHelp.text(page);
    const std::regex cell("id=\"" + prefix + "-([A-Za-z0-9]+)\">([^<]*)</td>");
    std::map<std::string, std::string> fields;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), cell);
         it != std::sregex_iterator(); ++it) {
        fields[(*it)[1]] = unescapeHtml((*it)[2]);
    }
    return fields;
}

void expectEveryFieldShownAsComputed(const TaxResult& computed,
                                     const std::map<std::string, std::string>& shown) {
    EXPECT_EQ(shown.size(), computed.fields.size());
    for (const Field& field : computed.fields) {
        const auto it = shown.find(std::string(field.id));
        ASSERT_NE(it, shown.end()) << "the example does not show " << field.id;
        EXPECT_EQ(it->second, field.text) << field.id;
    }
}

TEST(WorkedExample, ColumnKouShowsEveryFieldAsTheComputationWritesIt) {
    norvik::KouInput input;
    input.salary = 300000;
    input.salaryText = "300,000";
    input.dependents = 2;
    input.dependentsText = "2";
    input.spouseIndex = 0;
    const norvik::KouResult result = norvik::computeKou(input);
    const auto shown = shownFields("kou.html", "kou");
    expectEveryFieldShownAsComputed(result, shown);
    EXPECT_EQ(shown.at("alldata"), "3,420");
}

TEST(WorkedExample, ColumnOtsuShowsEveryFieldAsTheComputationWritesIt) {
    const norvik::OtsuResult result = norvik::computeOtsu(300000, 2);
    const auto shown = shownFields("otsu.html", "otsu");
    expectEveryFieldShownAsComputed(result, shown);
    EXPECT_EQ(shown.at("alldata"), "48,600");
}

// The command line leaves out the fields the path taken does not fill, and so does the example.
void expectEveryFilledFieldShownAsComputed(const TaxResult& computed,
                                           const std::map<std::string, std::string>& shown) {
    std::size_t filled = 0;
    for (const Field& field : computed.fields) {
        const auto it = shown.find(std::string(field.id));
        if (field.text.empty()) {
            EXPECT_EQ(it, shown.end()) << "the example shows the empty " << field.id;
            continue;
        }
        ++filled;
        ASSERT_NE(it, shown.end()) << "the example does not show " << field.id;
        EXPECT_EQ(it->second, field.text) << field.id;
    }
    EXPECT_EQ(shown.size(), filled);
}

TEST(WorkedExample, EachBonusPathShowsItsStepsAsTheComputationWritesThem) {
    const struct {
        norvik::RuleSet rules;
        norvik::BonusRequest request;
        const char* prefix;
        const char* step; // the field that shows which path was taken
        const char* stepText;
        const char* tax;
    } examples[] = {
        {norvik::RuleSet::Paid2026, norvik::help::kBonusRateExample, "bonus-rate", "rate", "2.042%",
         "17,357"},
        {norvik::RuleSet::Paid2020to2025, norvik::help::kBonusMonthlyTableExample, "bonus-monthly",
         "taxFormula", "4,770円×6", "28,620"},
    };
    for (const auto& example : examples) {
        SCOPED_TRACE(example.prefix);
        const norvik::BonusTaxResult result =
            norvik::computeBonusTax(example.rules, example.request);
        const auto shown = shownFields("bonus.html", example.prefix);
        expectEveryFilledFieldShownAsComputed(result, shown);
        EXPECT_EQ(shown.at(example.step), example.stepText);
        EXPECT_EQ(shown.at("bonusTax"), example.tax);
    }
}

TEST(WorkedExample, TheRefusalReadsAsTheMessageBoxShowsIt) {
    const norvik::Refusal refusal = *norvik::computeOtsu(88000, 0).refusal;
    std::string message = refusal.message;
    message.replace(message.find("\r\n"), 2, "<br>");
    for (const char* page : {"usage.html", "otsu.html"}) {
        const std::string text = kHelp.text(page);
        EXPECT_NE(text.find(message), std::string::npos) << page;
        EXPECT_NE(text.find("「" + refusal.title + "」"), std::string::npos) << page;
    }
}

} // namespace
} // namespace norvik
