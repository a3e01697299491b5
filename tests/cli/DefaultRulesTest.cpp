// Without --rules or --paid the program computes under the rules in force on the day it runs.
// The day is handed to CommandLine, so these runs name it instead of reading the clock; the
// messages a clerk meets on a command line the program does not understand are checked as a
// shell runs the program.

#include "ProgramRun.h"
#include "calc_cli/CommandLine.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>
#include <vector>

namespace norvik {

namespace {

struct InProcessRun {
    int status = -1;
    std::string out; // what went to --output
    std::string err;
};

// Runs the command line on `today` with `arguments` and --output into a temporary file.
InProcessRun runOn(const std::string& today, std::vector<std::string> arguments) {
    const std::string folder = makeTemporaryFolder();
    arguments.insert(arguments.begin(), "norvik_calc");
    arguments.push_back("--output");
    arguments.push_back(folder + "/out");
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    std::ostringstream errors;
    InProcessRun run;
    run.status = CommandLine(errors, [today] {
                     return today;
                 }).run(static_cast<int>(argv.size()), argv.data());
    run.err = errors.str();
    run.out = readFile(folder + "/out");
    std::filesystem::remove_all(folder);
    return run;
}

std::vector<std::string> kou(const char* salary, const char* dependents) {
    return {"kou",      "--salary", salary,     "--dependents", dependents,
            "--spouse", "yes",      "--format", "json"};
}

const std::vector<std::string> kFirstExample = kou("300000", "1");

// Each period's published example (the 2026 one from a clerk's December run).
TEST(DefaultRules, TodaysRulesWhenNeitherRulesNorPaymentDateIsGiven) {
    const struct {
        const char* today;
        const char *salary, *dependents;
        const char* rules;
        std::int64_t tax;
    } days[] = {
        {"2007-01-01", "300000", "2", "平成19年分～平成24年分", 3420},
        {"2012-12-31", "300000", "1", "平成19年分～平成24年分", 5000},
        {"2020-01-01", "175000", "1", "令和2年分～令和7年分", 640},
        {"2025-12-31", "175000", "1", "令和2年分～令和7年分", 640},
        {"2026-01-01", "175000", "1", "令和8年分", 210},
        {"2026-12-08", "300000", "1", "令和8年分", 4680},
        {"2027-12-31", "177000", "1", "令和9年分", 110},
    };
    for (const auto& day : days) {
        SCOPED_TRACE(day.today);
        const InProcessRun run = runOn(day.today, kou(day.salary, day.dependents));
        ASSERT_EQ(run.status, 0) << run.err;
        const nlohmann::json json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json["rules"], day.rules);
        EXPECT_EQ(json["method"], "computer");
        EXPECT_EQ(json["tax"], day.tax);
    }
}

std::vector<std::string> bonus(const char* amount, const char* previousSalary,
                               const char* dependents) {
    return {"bonus",    "--bonus",  amount, "--previous-salary", previousSalary, "--dependents",
            dependents, "--format", "json"};
}

TEST(DefaultRules, ABonusTooIsComputedUnderTodaysRulesUnlessTheyAreChosen) {
    const struct {
        const char* today;
        std::vector<std::string> options;
        std::vector<std::string> request;
        const char* rules;
        std::int64_t tax;
    } cases[] = {
        {"2026-12-08", {}, bonus("500000", "300000", "2"), "令和8年分", 20420},
        {"2024-12-10", {}, bonus("1200000", "0", "0"), "令和2年分～令和7年分", 28620},
        {"2024-12-10", {"--rules", "2026"}, bonus("500000", "300000", "2"), "令和8年分", 20420},
        {"2027-12-31",
         {"--paid", "2026-07-10"},
         bonus("500000", "300000", "2"),
         "令和8年分",
         20420},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.today);
        std::vector<std::string> arguments = c.options;
        arguments.insert(arguments.end(), c.request.begin(), c.request.end());
        const InProcessRun run = runOn(c.today, arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const nlohmann::json json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json["rules"], c.rules);
        EXPECT_FALSE(json.contains("method")) << run.out;
        EXPECT_EQ(json["tax"], c.tax);
    }
}

TEST(DefaultRules, TheChosenRulesAndMethodOverrideToday) {
    const struct {
        std::vector<std::string> options;
        std::int64_t tax;
    } cases[] = {
        {{"--rules", "2007"}, 5000},
        {{"--paid", "2026-03-25"}, 4680},
        {{"--method", "table"}, 4700},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.options;
        arguments.insert(arguments.end(), kFirstExample.begin(), kFirstExample.end());
        const InProcessRun run = runOn("2026-12-08", arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(nlohmann::json::parse(run.out)["tax"], c.tax) << c.options.front();
    }
}

TEST(DefaultRules, ADayNoRulesCoverIsRefusedWithThePeriods) {
    for (const char* today : {"2006-12-31", "2013-01-01", "2019-12-31", "2028-01-01"}) {
        const InProcessRun run = runOn(today, kFirstExample);
        EXPECT_EQ(run.status, 2) << today;
        EXPECT_EQ(run.out, "") << today;
        EXPECT_EQ(run.err.rfind(std::string("--rules, --paid: 指定がないので今日 ") + today, 0), 0u)
            << run.err;
        EXPECT_NE(run.err.find("使える規定は 2007（平成19年分～平成24年分: "), std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("choose them with --rules or --paid"), std::string::npos) << run.err;
    }
    EXPECT_EQ(runOn("2028-01-01", {"--rules", "2027", "kou", "--salary", "300000", "--dependents",
                                   "1", "--spouse", "yes"})
                  .status,
              0);
}

TEST(DefaultRules, ABatchNamesTheRulesBeforeItsRows) {
    const std::string folder = makeTemporaryFolder();
    writeFile(folder + "/in.csv", "id,column,salary,dependents,spouse\r\n1,乙,300000,2,\r\n");
    const InProcessRun run = runOn("2026-12-08", {"batch", folder + "/in.csv"});
    std::filesystem::remove_all(folder);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "令和8年分の規定で計算します（甲欄は電算機計算の特例、乙欄は月額表） / "
                       "computing under 令和8年分 (2026-01-01～2026-12-31; column 甲 by the "
                       "computer provision, column 乙 by the monthly table)\n");
    EXPECT_NE(run.out.find("\r\n1,乙,300000,2,,令和8年分,table,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(",50380,ok\r\n"), std::string::npos) << run.out;
}

TEST(DefaultRules, ABatchOfBonusesNamesItsRulesBeforeItsRows) {
    const std::string folder = makeTemporaryFolder();
    writeFile(folder + "/in.csv", "id,column,bonus,bonus_insurance,previous_salary,"
                                  "previous_insurance,dependents,spouse,long_period\r\n"
                                  "1,甲,500000,,300000,,2,no,\r\n");
    const InProcessRun run = runOn("2026-12-08", {"batch", "--kind", "bonus", folder + "/in.csv"});
    std::filesystem::remove_all(folder);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "令和8年分の規定で賞与を計算します / computing bonuses under 令和8年分 "
                       "(2026-01-01～2026-12-31)\n");
    EXPECT_NE(run.out.find("\r\n1,甲,500000,,300000,,2,no,,令和8年分,"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(",20420,ok\r\n"), std::string::npos) << run.out;
}

TEST(DefaultRules, UsageErrorsAreToldInJapaneseAndEnglish) {
    const std::pair<std::string, std::string> cases[] = {
        {"--rules 2026 kou --salary 300000 --dependents 1",
         "--spouse を指定してください / --spouse is required\n"},
        {"--rules 2026 kuo --salary 300000",
         "コマンド kou・otsu・bonus・batch のどれかを指定してください / A subcommand is "
         "required\n"},
        {"--rules 2026 kou --salary 300000 --dependents 1 --spouse yes --colour",
         "知らないオプションかコマンドです (コマンドは kou・otsu・bonus・batch) / The following "
         "argument was not expected: --colour\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = runCalc(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_EQ(run.err, message + "使い方は --help で / run with --help for more information\n");
    }
}

// A bonus's amounts choose its method, so its help says --method does not apply instead.
TEST(DefaultRules, EveryCommandsHelpListsTheOptionsForEveryCommand) {
    const std::string method = "--method computer|table";
    const std::string noMethod = "--method does not\n  apply to bonuses";
    const struct {
        std::string command;
        std::string present;
        std::string absent;
    } commands[] = {
        {"kou", method, noMethod},
        {"otsu", method, noMethod},
        {"batch", method, noMethod},
        {"bonus", noMethod, method},
    };
    for (const auto& c : commands) {
        const ProgramRun run = runCalc(c.command + " --help");
        EXPECT_EQ(run.status, 0) << c.command;
        const std::size_t common = run.out.find("全コマンド共通のオプション");
        ASSERT_NE(common, std::string::npos) << run.out;
        for (const std::string& option : {std::string("--rules 2007|2020|2026|2027"),
                                          std::string("--paid YYYY-MM-DD"), c.present}) {
            EXPECT_NE(run.out.find(option, common), std::string::npos) << c.command << option;
        }
        EXPECT_EQ(run.out.find(c.absent, common), std::string::npos) << c.command << run.out;
    }
}

} // namespace

} // namespace norvik
