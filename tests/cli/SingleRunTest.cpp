// One employee from the command line: the other output forms, and what bad input gets.

#include "ProgramRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace norvik {

namespace {

// The windows' tables.
const std::string kFirstExample = "--rules 2007 kou --salary 300,000 --dependents 2 --spouse yes";

TEST(SingleRun, JsonCarriesEveryFieldWithItsCaptionAndTheTax) {
    const ProgramRun run = runCalc(kFirstExample + " --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["column"], "甲");
    EXPECT_EQ(json["salary"], "300,000");
    EXPECT_EQ(json["tax"], 3420);
    EXPECT_EQ(json["status"], "ok");
    ASSERT_EQ(json["fields"].size(), 10u);
    EXPECT_EQ(json["fields"][1]["field"], "formula1");
    EXPECT_EQ(json["fields"][1]["caption"], "給与所得控除額(第１表) 算　式");
    EXPECT_EQ(json["fields"][1]["text"], "300,000×20%+45,000円");
}

TEST(SingleRun, JsonOfARefusalHasNoTax) {
    const ProgramRun run = runCalc("--rules 2007 otsu --salary 88000 --dependents 0 --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_TRUE(json["tax"].is_null());
    EXPECT_TRUE(json["fields"].empty());
    EXPECT_NE(json["status"].get<std::string>().find("88000円以下"), std::string::npos);
}

TEST(SingleRun, CsvIsTheBatchRowWithItsHeader) {
    const ProgramRun run = runCalc(kFirstExample + " --format csv");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out.rfind("id,column,salary,dependents,spouse,rules,method,alldata,data1,formula1,", 0),
        0u);
    EXPECT_NE(run.out.find("\r\n,kou,\"300,000\",2,yes,平成19年分～平成24年分,computer,\"3,420\","
                           "\"105,000\","),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(",3420,ok\r\n"), std::string::npos) << run.out;
}

TEST(SingleRun, BadInputIsToldAndComputesNothing) {
    const std::pair<std::string, std::string> rows[] = {
        {"kou --salary abc --dependents 2 --spouse yes", "salary \"abc\" is not a number"},
        {"kou --salary 300000 --dependents 1234567890 --spouse yes",
         "dependents \"1234567890\" has more than 9 digits"},
        {"kou --salary 300000 --dependents 2 --spouse maybe", "spouse \"maybe\" must be"},
        {"otsu --salary=-1,5 --dependents 0", "salary \"-1,5\" is not a number"},
    };
    for (const auto& [arguments, message] : rows) {
        const ProgramRun run = runCalc(arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

TEST(SingleRun, ACommandLineItDoesNotUnderstandIsAUsageError) {
    for (const char* arguments : {"", "kou --salary 1 --dependents 1",
                                  "kou --salary 1 --dependents 1 --spouse yes "
                                  "--format xml",
                                  "tax"}) {
        EXPECT_EQ(runCalc(arguments).status, 2) << arguments;
    }
    EXPECT_EQ(runCalc("--help").status, 0);
    EXPECT_EQ(runCalc("--version").out,
              "norvik_calc 1.10\nCopyright (c) 2026 The norvik developers. MIT License.\n");
}

} // namespace

} // namespace norvik
