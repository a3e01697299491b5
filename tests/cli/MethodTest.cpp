// The method a run computes by: the monthly table's figures through the program, the method each
// column takes by default, what is refused, and a payroll by the table.

#include "ProgramRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace norvik {

namespace {

nlohmann::json jsonOf(const std::string& arguments) {
    const ProgramRun run = runCalc(arguments + " --format json");
    EXPECT_EQ(run.status, 0) << arguments << "\n" << run.err;
    return run.status == 0 ? nlohmann::json::parse(run.out) : nlohmann::json();
}

// The count of 扶養親族等 is the dependents plus one with a spouse, so each 甲 figure is also
// reached with one dependent fewer and the spouse.
TEST(Method, TheMonthlyTablesFiguresComeOutOfTheProgram) {
    const struct {
        std::string arguments;
        std::int64_t tax;
        const char* column; // the table's column with its count, as the working names it
    } cases[] = {
        {"--rules 2026 --method table kou --salary 300000 --dependents 2 --spouse no", 4700,
         "甲欄・扶養親族等2人"},
        {"--rules 2026 --method table kou --salary 300000 --dependents 1 --spouse yes", 4700,
         "甲欄・扶養親族等2人"},
        {"--rules 2026 otsu --salary 300000 --dependents 0", 53600, "乙欄"},
        {"--rules 2026 otsu --salary 300000 --dependents 2", 50380,
         "乙欄・従たる給与の扶養親族等2人"},
        {"--rules 2026 otsu --salary 100000 --dependents 0", 3063, "乙欄"},
        {"--rules 2026 kou --method table --salary 800000 --dependents 0 --spouse no", 84238,
         "甲欄・扶養親族等0人"},
        {"--rules 2026 otsu --method table --salary 800000 --dependents 0", 283704, "乙欄"},
        {"--rules 2026 --method table kou --salary 500000 --dependents 8 --spouse yes", 1610,
         "甲欄・扶養親族等9人"},
        {"--rules 2027 otsu --salary 300000 --dependents 0", 53200, "乙欄"},
        {"--paid 2027-06-25 --method table kou --salary 300000 --dependents 2 --spouse no", 4530,
         "甲欄・扶養親族等2人"},
        {"--rules 2020 --method table kou --salary 88000 --dependents 0 --spouse no", 130,
         "甲欄・扶養親族等0人"},
        {"--paid 2023-04-25 otsu --salary 88000 --dependents 0", 3200, "乙欄"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const nlohmann::json json = jsonOf(c.arguments);
        EXPECT_EQ(json["tax"], c.tax);
        EXPECT_EQ(json["method"], "table");
        EXPECT_EQ(json["status"], "ok");
        ASSERT_TRUE(json["fields"].is_array());
        ASSERT_GE(json["fields"].size(), 2u);
        EXPECT_EQ(json["fields"][1]["text"], c.column);
    }
}

TEST(Method, ColumnOtsuByTheTablePrintsItsWorking) {
    const ProgramRun run = runCalc("--rules 2026 otsu --salary 300000 --dependents 2");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "月額表乙欄 月額表 (令和8年分)\n"
                       "その月の社会保険料控除後の給与等の金額: 300,000\n"
                       "扶養家族数: 2\n"
                       "給与等の金額の区分: 299,000円以上 302,000円未満\n"
                       "税額表の欄: 乙欄・従たる給与の扶養親族等2人\n"
                       "税額表の算式: 月額表の税額\n"
                       "税額表の税額: 53,600\n"
                       "扶養親族等の控除額: 3,220\n"
                       "税額の算式: 53,600円-1,610円×2人\n"
                       "税額: 50,380\n"
                       "税額: 50,380円\n");
}

// Column 甲 keeps the computer provision unless the table is asked for; the 2007 rules know
// only the computer provision.
TEST(Method, EachColumnTakesItsMethodByDefault) {
    const struct {
        std::string arguments;
        const char* method;
        std::int64_t tax;
    } cases[] = {
        {"--rules 2026 kou --salary 300000 --dependents 1 --spouse yes", "computer", 4680},
        {"--rules 2026 --method computer kou --salary 300000 --dependents 1 --spouse yes",
         "computer", 4680},
        {"--rules 2026 --method table kou --salary 300000 --dependents 1 --spouse yes", "table",
         4700},
        {"--rules 2026 otsu --salary 300000 --dependents 2 --method table", "table", 50380},
        {"--rules 2007 kou --salary 300000 --dependents 1 --spouse yes", "computer", 5000},
        {"--rules 2007 --method computer otsu --salary 300000 --dependents 2", "computer", 48600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const nlohmann::json json = jsonOf(c.arguments);
        EXPECT_EQ(json["method"], c.method);
        EXPECT_EQ(json["tax"], c.tax);
    }
    EXPECT_NE(runCalc("--rules 2026 --method table kou --salary 1 --dependents 0 --spouse no")
                  .out.rfind("月額表甲欄 月額表 (令和8年分)\n", 0),
              std::string::npos);
}

// The 2007 tables are not in the program: asking for them is a usage error for any command,
// and nothing is computed.
TEST(Method, TheTableUnderThe2007RulesIsRefused) {
    for (const std::string command : {"kou --salary 300000 --dependents 0 --spouse no",
                                      "otsu --salary 300000 --dependents 0", "batch -"}) {
        for (const std::string rules : {"--rules 2007", "--paid 2012-12-25"}) {
            const std::string arguments = rules + " --method table " + command;
            const ProgramRun run = runCalc(arguments, "id,column,salary,dependents,spouse\n");
            EXPECT_EQ(run.status, 2) << arguments;
            EXPECT_EQ(run.out, "") << arguments;
            EXPECT_EQ(run.err.rfind("--method: 平成19年分～平成24年分の月額表はこのプログラムに"
                                    "ありません。",
                                    0),
                      0u)
                << run.err;
        }
    }
    const ProgramRun unknown =
        runCalc("--rules 2026 --method tables kou --salary 1 --dependents 0 --spouse no");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err.rfind("オプションの値が正しくありません / --method: tables not in "
                                "{computer,table}\n",
                                0),
              0u)
        << unknown.err;
}

TEST(Method, FractionsAndNegativesAreBadInputForTheTable) {
    const struct {
        std::string arguments;
        std::string message;
    } cases[] = {
        {"--rules 2026 otsu --salary 300000.5 --dependents 0",
         "令和8年分の規定では、社会保険料控除後の給与等の金額に1円未満の端数は使えません。"},
        {"--rules 2026 otsu --salary=-1 --dependents 0",
         "令和8年分の規定では、社会保険料控除後の給与等の金額に負の数は使えません。"},
        {"--rules 2027 otsu --salary 300000 --dependents 1.5",
         "令和9年分の規定では、扶養家族数に端数は使えません。"},
        {"--rules 2020 --method table kou --salary 300000 --dependents=-1 --spouse yes",
         "令和2年分～令和7年分の規定では、扶養家族数に負の数は使えません。"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runCalc(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
    }
}

TEST(Method, APayrollByTheTableNamesTheMethodAndToldBadRowsByLine) {
    const std::string folder = makeTemporaryFolder();
    writeFile(folder + "/in.csv", "id,column,salary,dependents,spouse\r\n"
                                  "1,甲,300000,1,yes\r\n"
                                  "2,乙,300000,2,\r\n"
                                  "3,乙,300000.5,0,\r\n");
    const ProgramRun run = runCalc("--rules 2026 --method table batch --keep-going '" + folder +
                                   "/in.csv' --output '" + folder + "/out.csv'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "令和8年分の規定で計算します（甲欄・乙欄とも月額表） / computing under "
                       "令和8年分 (2026-01-01～2026-12-31; columns 甲 and 乙 by the monthly "
                       "table)\n"
                       "4行目 / line 4: 令和8年分の規定では、社会保険料控除後の給与等の金額に1円"
                       "未満の端数は使えません。円単位の整数で指定してください。\n");
    const std::string out = readFile(folder + "/out.csv");
    EXPECT_EQ(out.substr(0, out.find("\r\n")),
              "id,column,salary,dependents,spouse,rules,method,band,field_column,tableFormula,"
              "tableTax,deduction,taxFormula,field_tax,tax,status");
    EXPECT_NE(out.find("\r\n1,甲,300000,1,yes,令和8年分,table,"), std::string::npos) << out;
    EXPECT_NE(out.find(",4700,ok\r\n2,乙,300000,2,,令和8年分,table,"), std::string::npos) << out;
    EXPECT_NE(out.find(",50380,ok\r\n3,乙,300000.5,0,,,,"), std::string::npos) << out;
    std::filesystem::remove_all(folder);
}

} // namespace

} // namespace norvik
