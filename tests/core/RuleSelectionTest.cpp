#include "calc_reiwa/RuleSelection.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace norvik {

namespace {

// Every refusal lists what is covered, so the clerk can correct the request from it alone.
void expectRefusalNamingThePeriods(const RuleChoice& choice, std::string_view says,
                                   const std::string& name) {
    ASSERT_TRUE(choice.refusal) << name;
    const std::string& message = choice.refusal->message;
    EXPECT_NE(message.find(says), std::string::npos) << message;
    for (const char* period :
         {"2007（平成19年分～平成24年分: 2007-01-01～2012-12-31 支払分、画面の規定）",
          "2020（令和2年分～令和7年分: 2020-01-01～2025-12-31 支払分）",
          "2026（令和8年分: 2026-01-01～2026-12-31 支払分）",
          "2027（令和9年分: 2027-01-01～2027-12-31 支払分）"}) {
        EXPECT_NE(message.find(period), std::string::npos) << name << ": " << message;
    }
}

TEST(RuleSelection, RulesNamedByTheirFirstYear) {
    const struct {
        const char* year;
        RuleSet rules;
        const char* name;
    } cases[] = {
        {"2007", RuleSet::Paid2007to2012, "平成19年分～平成24年分"},
        {"2020", RuleSet::Paid2020to2025, "令和2年分～令和7年分"},
        {"2026", RuleSet::Paid2026, "令和8年分"},
        {"2027", RuleSet::Paid2027, "令和9年分"},
    };
    for (const auto& c : cases) {
        const RuleChoice choice = rulesNamed(c.year);
        ASSERT_FALSE(choice.refusal) << c.year;
        EXPECT_EQ(choice.rules, c.rules) << c.year;
        EXPECT_EQ(ruleSetName(choice.rules), c.name) << c.year;
    }
    for (const char* unknown : {"2025", "2013", "", "2026 ", "令和8", "20260"}) {
        expectRefusalNamingThePeriods(rulesNamed(unknown),
                                      std::string("規定「") + unknown + "」はありません", unknown);
    }
}

TEST(RuleSelection, PaymentDatesPickTheirPeriod) {
    const struct {
        const char* date;
        RuleSet rules;
    } cases[] = {
        {"2007-01-01", RuleSet::Paid2007to2012}, {"2012-12-31", RuleSet::Paid2007to2012},
        {"2020-01-01", RuleSet::Paid2020to2025}, {"2024-02-29", RuleSet::Paid2020to2025},
        {"2025-12-31", RuleSet::Paid2020to2025}, {"2026-01-01", RuleSet::Paid2026},
        {"2026-12-31", RuleSet::Paid2026},       {"2027-01-01", RuleSet::Paid2027},
        {"2027-12-31", RuleSet::Paid2027},
    };
    for (const auto& c : cases) {
        const RuleChoice choice = rulesForPaymentDate(c.date);
        ASSERT_FALSE(choice.refusal) << c.date;
        EXPECT_EQ(choice.rules, c.rules) << c.date;
    }
}

TEST(RuleSelection, DatesOutsideThePeriodsAreRefused) {
    for (const char* date :
         {"2006-12-31", "2013-01-01", "2019-12-31", "2028-01-01", "1999-06-15"}) {
        expectRefusalNamingThePeriods(
            rulesForPaymentDate(date),
            std::string("支払日 ") + date + " の給与に使える規定はありません", date);
    }
}

TEST(RuleSelection, MalformedDatesAreRefused) {
    for (const char* date : {"2026-02-29", "2026-13-01", "2026-00-10", "2026-04-31", "2026-1-05",
                             "20260105", "2026/01/05", "2026-01-05 ", "２０２６-01-05",
                             "2026-01-0O", "2026-01-O5", "2O26-01-05", ""}) {
        expectRefusalNamingThePeriods(
            rulesForPaymentDate(date),
            std::string("支払日「") + date + "」は YYYY-MM-DD の形の日付ではありません", date);
    }
}

TEST(RuleSelection, NamedRulesAndPaymentDateTogether) {
    const struct {
        const char* name;
        std::optional<std::string_view> year, date;
        RuleSet rules;
    } accepted[] = {
        {"neither: the windows' rules", std::nullopt, std::nullopt, RuleSet::Paid2007to2012},
        {"rules alone", "2026", std::nullopt, RuleSet::Paid2026},
        {"date alone", std::nullopt, "2025-12-25", RuleSet::Paid2020to2025},
        {"both agree", "2027", "2027-06-10", RuleSet::Paid2027},
        {"both agree on 2007", "2007", "2010-03-25", RuleSet::Paid2007to2012},
    };
    for (const auto& c : accepted) {
        const RuleChoice choice = chooseRules(c.year, c.date);
        ASSERT_FALSE(choice.refusal) << c.name << ": " << choice.refusal->message;
        EXPECT_EQ(choice.rules, c.rules) << c.name;
    }

    expectRefusalNamingThePeriods(
        chooseRules("2026", "2025-12-25"),
        "規定 2026（令和8年分）と支払日 2025-12-25 が食い違っています。この支払日の給与には "
        "2020（令和2年分～令和7年分）の規定が使われます。",
        "disagreement");
    expectRefusalNamingThePeriods(chooseRules("2007", "2026-01-25"), "食い違っています",
                                  "the default named against a 2026 date");
    expectRefusalNamingThePeriods(chooseRules("2030", "2026-01-25"), "規定「2030」はありません",
                                  "unknown rules with a good date");
    expectRefusalNamingThePeriods(chooseRules("2026", "2026-02-30"),
                                  "YYYY-MM-DD の形の日付ではありません",
                                  "a bad date with good rules");
    expectRefusalNamingThePeriods(chooseRules(std::nullopt, "2015-04-25"), "使える規定はありません",
                                  "a date alone outside the periods");
}

} // namespace

} // namespace norvik
