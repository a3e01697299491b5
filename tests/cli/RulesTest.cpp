// The rules a run computes under, chosen by --rules or by the payment date: the published
// examples of each period through the program, the choice by date, what is refused, and a payroll
// CSV under the rules since 2020.

#include "ProgramRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace norvik {

namespace {

const std::string kPeriods = "使える規定は 2007（平成19年分～平成24年分: 2007-01-01～2012-12-31";

std::string kou(std::int64_t salary, std::int64_t dependents, bool spouse) {
    return "kou --salary " + std::to_string(salary) + " --dependents " +
           std::to_string(dependents) + " --spouse " + (spouse ? "yes" : "no");
}

nlohmann::json jsonOf(const std::string& arguments) {
    const ProgramRun run = runCalc(arguments + " --format json");
    EXPECT_EQ(run.status, 0) << arguments << "\n" << run.err;
    return run.status == 0 ? nlohmann::json::parse(run.out) : nlohmann::json();
}

TEST(Rules, TheAcceptanceExamplePrintsEveryAmountOfTheWorking) {
    const ProgramRun run = runCalc("--rules 2026 kou --salary 175000 --dependents 1 --spouse yes");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "月額表甲欄 電算機計算の特例 (令和8年分)\n"
              "その月の社会保険料控除後の給与等の金額: 175,000\n"
              "扶養家族数: 1\n"
              "配偶者あり\n"
              "その月の課税給与所得金額(第4表): "
              "社会保険料控除後の給与等の金額-給与所得控除額-基礎控除-配偶者控除-扶養家族の控除額\n"
              "給与所得控除額(第１表) 算　式: 175,000×30%+6,667円\n"
              "給与所得控除額(第１表) 控除額: 59,167\n"
              "配偶者、扶養家族の控除額(第２表) 配偶者控除: 31,667\n"
              "配偶者、扶養家族の控除額(第２表) 扶養控除: 31,667\n"
              "配偶者、扶養家族の控除額(第２表) 算　式: 31,667円×1人\n"
              "基礎控除額(第３表): 48,334\n"
              "その月の課税給与所得金額(第4表) 所得金額: 4,165\n"
              "電算機計算の特例による月額表の甲欄を摘要する給与等に対する税額 算　式: "
              "(175,000-59167-48334-31667-31667)×5.105%\n"
              "その月の課税給与所得金額(第4表) 算　式: 175,000-59167-48334-31667-31667\n"
              "電算機計算の特例による月額表の甲欄を摘要する給与等に対する税額 税　額: 210\n"
              "税額: 210円\n");
}

// n counts the spouse: each example is run with the spouse and n − 1 dependents. The options
// stand before the command, after it, or as a payment date in the period.
TEST(Rules, PublishedExamplesOfEachPeriod) {
    const struct {
        std::string before, after;
        std::int64_t salary, n, tax;
        const char* rules;
    } cases[] = {
        {"--rules 2026", "", 175000, 2, 210, "令和8年分"},
        {"", "--rules 2026", 446000, 8, 940, "令和8年分"},
        {"--paid 2026-12-25", "", 775200, 3, 59470, "令和8年分"},
        {"--rules 2020", "", 175000, 2, 640, "令和2年分～令和7年分"},
        {"", "--paid 2025-06-25", 446000, 8, 1370, "令和2年分～令和7年分"},
        {"--rules 2020 --paid 2020-01-24", "", 775200, 3, 61170, "令和2年分～令和7年分"},
        {"--rules 2027", "", 177000, 2, 110, "令和9年分"},
        {"--rules 2007", "", 300000, 3, 3420, "平成19年分～平成24年分"},
    };
    for (const auto& c : cases) {
        const std::string arguments = c.before + " " + kou(c.salary, c.n - 1, true) + " " + c.after;
        SCOPED_TRACE(arguments);
        const nlohmann::json json = jsonOf(arguments);
        EXPECT_EQ(json["tax"], c.tax);
        EXPECT_EQ(json["rules"], c.rules);
        EXPECT_EQ(json["status"], "ok");
    }
}

TEST(Rules, ThePaymentDatePicksThePeriodFromItsFirstDayToItsLast) {
    const std::pair<const char*, const char*> dates[] = {
        {"2007-01-01", "平成19年分～平成24年分"},
        {"2012-12-31", "平成19年分～平成24年分"},
        {"2020-01-01", "令和2年分～令和7年分"},
        {"2025-12-31", "令和2年分～令和7年分"},
        {"2026-01-01", "令和8年分"},
        {"2026-12-31", "令和8年分"},
        {"2027-01-01", "令和9年分"},
        {"2027-12-31", "令和9年分"},
    };
    for (const auto& [date, rules] : dates) {
        EXPECT_EQ(jsonOf(std::string("--paid ") + date + " " + kou(300000, 2, true))["rules"],
                  rules)
            << date;
    }
}

// A choice that names no rules is a usage error, told with the option at fault and the periods
// the program covers; nothing is computed.
TEST(Rules, AChoiceOfNoRulesIsRefusedWithThePeriods) {
    const std::pair<std::string, std::string> refusals[] = {
        {"--paid 2006-12-31", "--paid: 支払日 2006-12-31 の給与に使える規定はありません。"},
        {"--paid 2013-01-01", "--paid: 支払日 2013-01-01 の給与に使える規定はありません。"},
        {"--paid 2019-12-31", "--paid: 支払日 2019-12-31 の給与に使える規定はありません。"},
        {"--paid 2028-01-01", "--paid: 支払日 2028-01-01 の給与に使える規定はありません。"},
        {"--paid 2026-1-25", "--paid: 支払日「2026-1-25」は YYYY-MM-DD の形の日付ではありません。"},
        {"--paid 2026-02-29", "--paid: 支払日「2026-02-29」は"},
        {"--rules 2019", "--rules: 規定「2019」はありません。"},
        {"--rules 2026 --paid 2027-01-25",
         "--rules, --paid: 規定 2026（令和8年分）と支払日 2027-01-25 が食い違っています。"},
        {"--rules 2007 --paid 2026-01-01", "--rules, --paid: 規定 2007"},
        {"--rules 2018 --paid 2026-01-01", "--rules: 規定「2018」はありません。"},
    };
    for (const auto& [options, message] : refusals) {
        for (const std::string command : {"kou --salary 1 --dependents 0 --spouse no", "batch -"}) {
            const std::string arguments = options + " " + command;
            const ProgramRun run = runCalc(arguments, "id,column,salary,dependents,spouse\n");
            EXPECT_EQ(run.status, 2) << arguments;
            EXPECT_EQ(run.out, "") << arguments;
            EXPECT_EQ(run.err.rfind(message, 0), 0u) << run.err;
            EXPECT_NE(run.err.find(kPeriods), std::string::npos) << run.err;
        }
    }
}

TEST(Rules, FractionsAndNegativesAreBadInputUnderTheNewRulesOnly) {
    const struct {
        std::string arguments;
        int status;
        std::string message;
    } cases[] = {
        {"--rules 2026 kou --salary 175000.5 --dependents 1 --spouse yes", 1,
         "令和8年分の規定では、社会保険料控除後の給与等の金額に1円未満の端数は使えません。"},
        {"--rules 2020 kou --salary=-1 --dependents 1 --spouse yes", 1,
         "令和2年分～令和7年分の規定では、社会保険料控除後の給与等の金額に負の数は使えません。"},
        {"--rules 2027 kou --salary 177000 --dependents 0.5 --spouse no", 1,
         "令和9年分の規定では、扶養家族数に端数は使えません。"},
        {"--rules 2027 kou --salary 177000 --dependents=-1 --spouse no", 1,
         "令和9年分の規定では、扶養家族数に負の数は使えません。"},
        {"--rules 2007 kou --salary 175000.5 --dependents 0.5 --spouse yes", 0, ""},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runCalc(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
        EXPECT_EQ(run.out.empty(), c.status != 0) << c.arguments;
    }
}

// Column 乙 by the computer provision is refused as the windows refuse a salary outside their
// method: a result, not an error, so a payroll's other rows still go through.
TEST(Rules, ColumnOtsuByTheComputerProvisionIsRefusedUnderTheNewRules) {
    const ProgramRun text =
        runCalc("--rules 2026 --method computer otsu --salary 300000 --dependents 2");
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("\n令和8年分の規定には、乙欄の電算機計算の特例はありません"),
              std::string::npos)
        << text.out;
    const nlohmann::json json =
        jsonOf("--paid 2027-03-25 otsu --salary 300000 --dependents 2 --method computer");
    EXPECT_TRUE(json["tax"].is_null());
    EXPECT_NE(json["status"].get<std::string>().find("月額表）の乙欄で税額を求めてください。"),
              std::string::npos);
}

const std::string kPayroll = "id,column,salary,dependents,spouse\r\n"
                             "1,甲,175000,1,yes\r\n"
                             "2,乙,175000,1,\r\n";

TEST(Rules, APayrollUnderTheNewRulesCarriesTheBasicDeductionTheRulesAndTheMethod) {
    const ProgramRun run = runCalc("batch --rules 2026 -", kPayroll);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out,
        "id,column,salary,dependents,spouse,rules,method,alldata,data1,formula1,data2,formula2,"
        "data3,formula3,data4,formula4,data5,formula5,band,field_column,tableFormula,tableTax,"
        "deduction,taxFormula,field_tax,tax,status\r\n"
        "1,甲,175000,1,yes,令和8年分,computer,210,\"59,167\",\"175,000×30%+6,667円\",\"31,667\","
        "\"31,667円×1人\",\"31,667\",\"(175,000-59167-48334-31667-31667)×5.105%\","
        "\"48,334\",\"175,000-59167-48334-31667-31667\",\"4,165\","
        "社会保険料控除後の給与等の金額-給与所得控除額-基礎控除-配偶者控除-扶養家族の控除額,"
        ",,,,,,,210,ok\r\n"
        "2,乙,175000,1,,令和8年分,table,,,,,,,,,,,,\"175,000円以上 177,000円未満\","
        "乙欄・従たる給与の扶養親族等1人,月額表の税額,\"12,100\",\"1,610\","
        "\"12,100円-1,610円×1人\",\"10,490\",10490,ok\r\n");
}

TEST(Rules, AFractionInAPayrollUnderTheNewRulesIsABadRowAndLeavesNoFile) {
    const std::string folder = makeTemporaryFolder();
    writeFile(folder + "/in.csv", kPayroll + "3,甲,175000,1.5,yes\r\n");
    const ProgramRun run = runCalc("--paid 2026-04-24 batch '" + folder + "/in.csv' --output '" +
                                   folder + "/out.csv'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "令和8年分の規定で計算します（甲欄は電算機計算の特例、乙欄は月額表） / "
                       "computing under 令和8年分 (2026-01-01～2026-12-31; column 甲 by the "
                       "computer provision, column 乙 by the monthly table)\n"
                       "4行目 / line 4: 令和8年分の規定では、扶養家族数に端数は使えません。"
                       "人数を整数で指定してください。\n");
    EXPECT_EQ(listFolder(folder), "in.csv\n");
    std::filesystem::remove_all(folder);
}

} // namespace

} // namespace norvik
