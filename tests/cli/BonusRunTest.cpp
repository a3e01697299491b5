// Bonuses through the program: the rate with the band that chose it, the monthly table's path,
// the seam between them, a period without a rate table, bad input, and a batch of bonuses.

#include "ProgramRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace norvik {

namespace {

std::string quote(const std::string& path) {
    return "'" + path + "'";
}

std::string fieldText(const nlohmann::json& json, const std::string& id) {
    for (const auto& field : json["fields"]) {
        if (field["field"] == id) {
            return field["text"];
        }
    }
    return "(no field " + id + ")";
}

TEST(BonusRun, TheTextShowsTheRateTheBandThatChoseItAndTheTax) {
    const ProgramRun run = runCalc(
        "--rules 2026 bonus --bonus 500000 --previous-salary 300000 --dependents 2 --spouse no");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    // The monthly table's steps stay empty on this path and are left out.
    EXPECT_EQ(run.out, "賞与 甲欄 (令和8年分)\n"
                       "賞与の金額: 500,000円\n"
                       "賞与から控除される社会保険料等の金額: 0円\n"
                       "前月中の給与等の金額: 300,000円\n"
                       "前月中の社会保険料等の金額: 0円\n"
                       "扶養親族等の数 (源泉控除対象配偶者を含む): 2人\n"
                       "賞与の金額の算式: 500,000円-0円\n"
                       "社会保険料等控除後の賞与の金額: 500,000\n"
                       "前月の給与等の金額の算式: 300,000円-0円\n"
                       "前月の社会保険料等控除後の給与等の金額: 300,000\n"
                       "計算方法: 賞与に対する源泉徴収税額の算出率の表\n"
                       "計算方法の判定: 500,000円≦300,000円×10=3,000,000円\n"
                       "算出率の求め方: 前月の社会保険料等控除後の給与等の金額 300,000円 → "
                       "甲欄・扶養親族等2人 276,000円以上 321,000円未満 → 4.084%\n"
                       "賞与の金額に乗ずべき率: 4.084%\n"
                       "税額の算式: 500,000円×4.084%\n"
                       "税額: 20,420\n");
}

TEST(BonusRun, TheMonthlyTablePathShowsEachStep) {
    const ProgramRun run =
        runCalc("--paid 2024-12-10 bonus --bonus 1,200,000 --previous-salary 0 --dependents 0");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string steps = "計算方法: 月額表（前月中の給与等の金額がない場合）\n"
                              "賞与の計算期間: 6か月以下（6で割る）\n"
                              "月額表を当てはめる金額の算式: 1,200,000円÷6=200,000円\n"
                              "月額表の区分と欄: 199,000円以上 201,000円未満、甲欄・扶養親族等0人\n"
                              "月額表の税額: 4,770\n"
                              "税額の算式: 4,770円×6\n"
                              "税額: 28,620\n";
    EXPECT_NE(run.out.find(steps), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("算出率"), std::string::npos) << run.out;
}

// Each case's arguments follow "bonus"; the tax and the method come from the JSON.
struct BonusCase {
    const char* name;
    std::string arguments;
    std::int64_t tax;
    std::string method;
    std::string rules = "令和8年分";
};

const std::string kRateTable = "賞与に対する源泉徴収税額の算出率の表";
const std::string kNoSalary = "月額表（前月中の給与等の金額がない場合）";
const std::string kNoNetSalary =
    "月額表（前月中の給与等の金額が前月中の社会保険料等の金額以下である場合）";
const std::string kOverTenTimes =
    "月額表（賞与の金額が前月の社会保険料等控除後の給与等の金額の10倍を超える場合）";

const BonusCase kCases[] = {
    // P = 220,000 − 23,384 = 196,616 with the spouse counted: 2 persons → 2.042 %.
    {"the published rate",
     "--bonus 1000000 --bonus-insurance 150000 --previous-salary 220000 "
     "--previous-insurance 23384 --dependents 1 --spouse yes",
     17357, kRateTable},
    // P = 300,000: 6.126 % for one person, 4.084 % once the spouse is counted.
    {"the spouse counts as a person",
     "--bonus 500000 --previous-salary 300000 --dependents 1 --spouse yes", 20420, kRateTable},
    {"no salary last month, a paid date in 2024",
     "--bonus 1200000 --previous-salary 0 --dependents 0 --paid 2024-06-28", 28620, kNoSalary,
     "令和2年分～令和7年分"},
    {"B = 10 × P exactly keeps the rate", "--bonus 3000000 --previous-salary 300000 --dependents 2",
     122520, kRateTable},
    {"B = 10 × P + 1 leaves it", "--bonus 3000001 --previous-salary 300000 --dependents 2", -1,
     kOverTenTimes},
    {"P at or below its insurance",
     "--bonus 600000 --previous-salary 20000 --previous-insurance 20000 --dependents 0", -1,
     kNoNetSalary},
    {"乙 on the rate table: its own bands",
     "--column otsu --bonus 1000000 --previous-salary 200000 --dependents 3", 102100, kRateTable},
    {"乙 on the monthly table", "--column otsu --bonus 1000000 --previous-salary 0 --dependents 0",
     -1, kNoSalary},
};

TEST(BonusRun, ThePublishedFiguresAndEachPath) {
    for (const BonusCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string rules =
            c.arguments.find("--paid") == std::string::npos ? "--rules 2026 " : "";
        const ProgramRun run = runCalc(rules + "bonus " + c.arguments + " --format json");
        ASSERT_EQ(run.status, 0) << run.err;
        const nlohmann::json json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json["rules"], c.rules);
        EXPECT_EQ(json["status"], "ok");
        EXPECT_EQ(fieldText(json, "method"), c.method);
        if (c.tax >= 0) {
            EXPECT_EQ(json["tax"], c.tax);
        }
    }
}

TEST(BonusRun, ALongPeriodDividesByTwelve) {
    for (const auto& [flag, divisor] :
         {std::pair{"", "÷6="}, std::pair{" --long-period", "÷12="}}) {
        const ProgramRun run = runCalc("--rules 2026 bonus --bonus 1200000 --previous-salary 0 "
                                       "--dependents 0 --format json" +
                                       std::string(flag));
        ASSERT_EQ(run.status, 0) << run.err;
        const nlohmann::json json = nlohmann::json::parse(run.out);
        EXPECT_NE(fieldText(json, "monthlySalaryFormula").find(divisor), std::string::npos) << flag;
        EXPECT_EQ(json["long_period"], *flag != '\0');
    }
}

TEST(BonusRun, Without2027RateTableOnlyTheMonthlyPathComputes) {
    const ProgramRun refused =
        runCalc("--rules 2027 bonus --bonus 500000 --previous-salary 300000 --dependents 2");
    EXPECT_EQ(refused.status, 0) << refused.err;
    EXPECT_NE(refused.out.find("令和9年分の賞与に対する源泉徴収税額の算出率の表はまだありません"),
              std::string::npos)
        << refused.out;
    EXPECT_EQ(refused.out.find("税額の算式"), std::string::npos) << refused.out;

    const ProgramRun json = runCalc("--paid 2027-07-10 bonus --bonus 500000 --previous-salary "
                                    "300000 --dependents 2 --format json");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out)["tax"], nullptr);

    const ProgramRun computed =
        runCalc("--rules 2027 bonus --bonus 1200000 --previous-salary 0 --dependents 0");
    EXPECT_EQ(computed.status, 0) << computed.err;
    EXPECT_NE(computed.out.find("税額の算式: "), std::string::npos) << computed.out;
}

TEST(BonusRun, CsvIsTheBonusBatchRowWithItsHeader) {
    const ProgramRun run = runCalc("--rules 2026 bonus --bonus 500000 --previous-salary 300000 "
                                   "--dependents 2 --format csv");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find("\r\n")),
              "id,column,bonus,bonus_insurance,previous_salary,previous_insurance,dependents,"
              "spouse,long_period,rules,bonusFormula,netBonus,previousSalaryFormula,"
              "netPreviousSalary,method,methodFormula,rateChoice,rate,period,"
              "monthlySalaryFormula,monthlyRow,monthlyTaxFormula,monthlyTax,previousRow,"
              "previousTaxFormula,previousTax,taxFormula,bonusTax,tax,status");
    EXPECT_NE(run.out.find("\r\n,kou,500000,,300000,,2,,no,令和8年分,"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(",20420,ok\r\n"), std::string::npos) << run.out;
}

struct BadBonus {
    const char* kind;
    std::string arguments; // after "--rules 2026 bonus"
    int status;
    std::string message;
};

const BadBonus kBadBonuses[] = {
    {"a fraction of a yen", "--bonus 500000.5 --previous-salary 300000 --dependents 2", 1,
     "bonus \"500000.5\" must be a whole number"},
    {"a negative insurance",
     "--bonus 500000 --bonus-insurance -1 --previous-salary 300000 --dependents 2", 1,
     "bonus insurance \"-1\" must not be negative"},
    {"a fraction of a person", "--bonus 500000 --previous-salary 300000 --dependents 1.5", 1,
     "dependents \"1.5\" must be a whole number"},
    {"not a number", "--bonus 50万 --previous-salary 300000 --dependents 2", 1,
     "bonus \"50万\" is not a number"},
    {"an insurance larger than its bonus",
     "--bonus 100000 --bonus-insurance 100001 --previous-salary 300000 --dependents 2", 1,
     "the bonus insurance is larger than the bonus"},
    {"a spouse for 乙",
     "--column otsu --bonus 500000 --previous-salary 300000 --dependents 2 --spouse yes", 1,
     "column 乙 takes no spouse choice"},
    {"an unknown spouse choice",
     "--bonus 500000 --previous-salary 300000 --dependents 2 --spouse maybe", 1,
     "spouse \"maybe\" must be yes, no, あり or なし"},
    {"an unknown column", "--column hei --bonus 500000 --previous-salary 300000 --dependents 2", 2,
     "--column"},
    {"no previous salary given", "--bonus 500000 --dependents 2", 2, "--previous-salary"},
};

TEST(BonusRun, BadInputIsToldAndLeavesNoFile) {
    for (const BadBonus& bad : kBadBonuses) {
        SCOPED_TRACE(bad.kind);
        const std::string folder = makeTemporaryFolder();
        const ProgramRun run = runCalc("--rules 2026 bonus " + bad.arguments + " --output " +
                                       quote(folder + "/out.txt"));
        EXPECT_EQ(run.status, bad.status);
        EXPECT_NE(run.err.find(bad.message), std::string::npos) << run.err;
        EXPECT_EQ(listFolder(folder), "");
        std::filesystem::remove_all(folder);
    }
}

const std::string kBonusHeader = "id,column,bonus,bonus_insurance,previous_salary,"
                                 "previous_insurance,dependents,spouse,long_period\r\n";
const std::string kBonusRows = "1,甲,1000000,150000,220000,23384,1,yes,\r\n"
                               "2,乙,\"1,200,000\",,0,,0,,yes\r\n";
const std::string kBadBonusRow = "3,甲,500000.5,,300000,,2,no,\r\n";
const std::string kLastBonusRow = "4,甲,500000,,300000,,2,なし,no\r\n";

TEST(BonusBatch, EveryRowIsComputedUnderItsOwnHeader) {
    const ProgramRun run =
        runCalc("--rules 2026 batch --kind bonus -", kBonusHeader + kBonusRows + kLastBonusRow);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("id,column,bonus,bonus_insurance,previous_salary,previous_insurance,"
                            "dependents,spouse,long_period,rules,",
                            0),
              0U)
        << run.out;
    EXPECT_NE(run.out.find("\r\n1,甲,1000000,150000,220000,23384,1,yes,,令和8年分,"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(",17357,ok\r\n2,乙,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"1,200,000円÷12=100,000円\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(",20420,ok\r\n"), std::string::npos) << run.out;
}

TEST(BonusBatch, ABadRowIsToldWithItsLineAndNoFileIsLeft) {
    const std::string folder = makeTemporaryFolder();
    writeFile(folder + "/in.csv", kBonusHeader + kBonusRows + kBadBonusRow + kLastBonusRow);
    const ProgramRun run = runCalc("--rules 2026 batch --kind bonus " + quote(folder + "/in.csv") +
                                   " --output " + quote(folder + "/out.csv"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 4: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("bonus \"500000.5\" must be a whole number"), std::string::npos)
        << run.err;
    EXPECT_EQ(listFolder(folder), "in.csv\n");
    std::filesystem::remove_all(folder);
}

TEST(BonusBatch, KeepGoingWritesGoodRowsAndMarksTheBadOne) {
    const std::string folder = makeTemporaryFolder();
    writeFile(folder + "/in.csv", kBonusHeader + kBonusRows + kBadBonusRow + kLastBonusRow);
    const ProgramRun run =
        runCalc("--rules 2026 batch --kind bonus --keep-going " + quote(folder + "/in.csv") +
                " --output " + quote(folder + "/out.csv"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 4: "), std::string::npos) << run.err;
    const std::string out = readFile(folder + "/out.csv");
    EXPECT_NE(out.find("\r\n3,甲,500000.5,,300000,,2,no,,,,,,,,,,,,,,,,,,,,,,\"賞与の金額 "),
              std::string::npos)
        << out;
    EXPECT_NE(out.find(",20420,ok\r\n"), std::string::npos) << out;
    EXPECT_NE(out.find(",17357,ok\r\n"), std::string::npos) << out;
    std::filesystem::remove_all(folder);
}

TEST(BonusBatch, EachKindWantsItsOwnHeader) {
    const std::pair<std::string, std::string> runs[] = {
        {"batch --kind bonus -", "id,column,salary,dependents,spouse\r\n"},
        {"batch -", kBonusHeader},
    };
    for (const auto& [arguments, input] : runs) {
        const ProgramRun run = runCalc("--rules 2026 " + arguments, input);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_NE(run.err.find("line 1: "), std::string::npos) << run.err;
    }
    const ProgramRun bonus = runCalc("--rules 2026 batch --kind bonus -", "");
    EXPECT_NE(bonus.err.find("the first row must be the header id,column,bonus,bonus_insurance,"
                             "previous_salary,previous_insurance,dependents,spouse,long_period"),
              std::string::npos)
        << bonus.err;
}

// A bonus's amounts choose its method; a --method would be silently meaningless, so it is
// refused wherever it stands.
TEST(BonusRun, MethodIsAUsageErrorForBonuses) {
    const std::string request = "--bonus 500000 --previous-salary 300000 --dependents 2";
    const std::string arguments[] = {
        "--rules 2026 --method table bonus " + request,
        "--rules 2026 bonus " + request + " --method computer",
        "--rules 2026 --method computer batch --kind bonus -",
        "--rules 2026 batch --kind bonus --method table -",
    };
    for (const std::string& argument : arguments) {
        SCOPED_TRACE(argument);
        const std::string folder = makeTemporaryFolder();
        const ProgramRun run =
            runCalc(argument + " --output " + quote(folder + "/out"), kBonusHeader + kLastBonusRow);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("--method: 賞与には方法を選べません。", 0), 0U) << run.err;
        EXPECT_NE(run.err.find("--method does not apply to bonuses"), std::string::npos) << run.err;
        EXPECT_EQ(listFolder(folder), "");
        std::filesystem::remove_all(folder);
    }
}

TEST(BonusBatch, ABonusRowOfTheWrongLengthIsBad) {
    const ProgramRun run = runCalc("--rules 2026 batch --kind bonus --keep-going -",
                                   kBonusHeader + "1,甲,500000,,300000,,2,no\r\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("missing column: 8 of 9 columns"), std::string::npos) << run.err;
}

} // namespace

} // namespace norvik
