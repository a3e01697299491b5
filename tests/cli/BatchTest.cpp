// Payroll CSV files through the program: every kind of good row gives the reviewed result file,
// and every kind of bad row is told with its line and leaves no file behind.

#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace norvik {

namespace {

using namespace std::string_literals;

const std::string kData = NORVIK_CLI_DATA_DIR;
const std::string kHeader = "id,column,salary,dependents,spouse\r\n";
// A record over two lines before the row under test, so that rows and lines differ.
const std::string kTwoLineRow = "\"1\r\nSato\",甲,300000,2,yes\r\n";
const std::string kLastRow = "5,乙,300000,2,\r\n";
// What a batch under the windows' tables tells before its rows.
const std::string kAnnouncement =
    "平成19年分～平成24年分の規定で計算します（甲欄・乙欄とも電算機計算の特例） / computing under "
    "平成19年分～平成24年分 (2007-01-01～2012-12-31; columns 甲 and 乙 by the computer "
    "provision)\n";

std::string quote(const std::string& path) {
    return "'" + path + "'";
}

TEST(Batch, EveryKindOfRowGivesTheReviewedResult) {
    // 甲 with and without spouse, 乙 accepted and refused, quoted fields (separators, quotes, a
    // line break), fractions, negatives, full-width digits; a byte-order mark and CRLF.
    const ProgramRun run = runCalc("--rules 2007 batch " + quote(kData + "/payroll.csv"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, kAnnouncement);
    EXPECT_EQ(run.out, readFile(kData + "/payroll.expected.csv"));
}

TEST(Batch, ShiftJisInAndOutWithLfLineEnds) {
    const ProgramRun run =
        runCalc("--rules 2007 batch --encoding cp932 " + quote(kData + "/payroll_cp932.csv"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, readFile(kData + "/payroll_cp932.expected.csv"));
}

TEST(Batch, StandardInAndAFileOut) {
    const std::string folder = makeTemporaryFolder();
    const ProgramRun run = runCalc("--rules 2007 batch - --output " + quote(folder + "/result.csv"),
                                   readFile(kData + "/payroll.csv"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(listFolder(folder), "result.csv\n");
    EXPECT_EQ(readFile(folder + "/result.csv"), readFile(kData + "/payroll.expected.csv"));
    std::filesystem::remove_all(folder);
}

TEST(Batch, OutputEncodingCanBeChosen) {
    const ProgramRun run =
        runCalc("--rules 2007 batch --output-encoding cp932 " + quote(kData + "/payroll.csv"));
    EXPECT_EQ(run.status, 0) << run.err;
    std::string expected = readFile(kData + "/payroll_cp932.expected.csv");
    // The UTF-8 file's two-line id keeps its CRLF; the CP932 one was written with LF.
    expected.replace(expected.find("\"7\nsecond"), 9, "\"7\r\nsecond");
    EXPECT_EQ(run.out, expected);
}

TEST(Batch, CaptionsNameBothColumnsWhereAFieldNameMeansTwoThings) {
    const ProgramRun run =
        runCalc("--rules 2007 batch --captions -", "id,column,salary,dependents,spouse\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(",甲: 給与所得控除額(第１表) 控除額 / 乙: 計算基準額,"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(",乙: 主たる給与に対する税額 税　額,"), std::string::npos);
}

struct BadRow {
    const char* kind;
    std::string row;                  // the row on line 4
    std::string message;              // part of what the program tells
    bool bareCarriageReturns = false; // every line of the file ends in a CR alone
};

std::string withBareCarriageReturns(std::string text) {
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; ++at) {
        text.erase(at + 1, 1);
    }
    return text;
}

const std::string kOverlongSalary(70'000, '1');
// A quoted id over many lines that together pass the record limit.
std::string overlongQuotedId() {
    std::string id = "\"";
    for (int line = 0; line < 2'000; ++line) {
        id += "a line of an id that never seems to end\r\n";
    }
    return id + "\"";
}

const BadRow kBadRows[] = {
    {"missing column", "4,甲,300000,2\r\n", "missing column: 4 of 5 columns"},
    {"too many columns", "4,甲,300000,2,yes,extra\r\n", "too many columns: 6 instead of 5"},
    {"unreadable salary", "4,甲,abc,2,yes\r\n", "salary \"abc\" is not a number"},
    {"unreadable dependents", "4,乙,300000,2人,\r\n", "dependents \"2人\" is not a number"},
    {"misplaced separator", "4,甲,\"30,0000\",2,yes\r\n", "salary \"30,0000\" is not a number"},
    {"empty salary", "4,甲,,2,yes\r\n", "salary is empty"},
    {"unknown column letter", "4,丙,300000,2,yes\r\n", "column \"丙\" must be 甲, 乙, kou or otsu"},
    {"more digits than the edits", "4,甲,1234567890,2,yes\r\n",
     "salary \"1234567890\" has more than 9 digits"},
    {"unknown spouse choice", "4,甲,300000,2,maybe\r\n", "spouse \"maybe\" must be yes, no"},
    {"spouse for column 乙", "4,乙,300000,2,yes\r\n", "column 乙 takes no spouse choice"},
    {"broken UTF-8", "4,甲\xff,300000,2,yes\r\n", "broken encoding: not valid UTF-8"},
    {"bare CR line ends", "4,甲,abc,2,yes\r\n", "salary \"abc\" is not a number", true},
    {"record over the limit", "4,甲," + kOverlongSalary + ",2,yes\r\n",
     "record longer than 65536 bytes"},
    {"record over the limit, bare CR", "4,甲," + kOverlongSalary + ",2,yes\r\n",
     "record longer than 65536 bytes", true},
    {"quoted field over the limit", overlongQuotedId() + ",甲,300000,2,yes\r\n",
     "record longer than 65536 bytes"},
    {"NUL byte",
     "4,甲,300\0"
     "000,2,yes\r\n"s,
     "a NUL byte (0x00)"},
};

void expectTold(const ProgramRun& run, const std::string& message) {
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 4: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
}

TEST(Batch, EachBadRowIsToldWithItsLineAndNoFileIsLeft) {
    for (const BadRow& bad : kBadRows) {
        SCOPED_TRACE(bad.kind);
        const std::string folder = makeTemporaryFolder();
        const std::string input = kHeader + kTwoLineRow + bad.row + kLastRow;
        writeFile(folder + "/in.csv",
                  bad.bareCarriageReturns ? withBareCarriageReturns(input) : input);
        const ProgramRun run = runCalc("--rules 2007 batch " + quote(folder + "/in.csv") +
                                       " --output " + quote(folder + "/out.csv"));
        expectTold(run, bad.message);
        EXPECT_EQ(listFolder(folder), "in.csv\n");
        std::filesystem::remove_all(folder);
    }
}

TEST(Batch, BrokenShiftJisIsToldWithItsLine) {
    const std::string folder = makeTemporaryFolder();
    // "甲" in CP932, then a lead byte without its trail byte.
    writeFile(folder + "/in.csv", kHeader + "1,\x8d\x62,300000,2,yes\r\n2,a\r\nb,3\r\n" +
                                      "4,\x8d\x62\x81,300000,2,yes\r\n");
    const ProgramRun run =
        runCalc("--rules 2007 batch --encoding cp932 " + quote(folder + "/in.csv") + " --output " +
                quote(folder + "/out.csv"));
    expectTold(run, "broken encoding: not valid CP932");
    EXPECT_EQ(listFolder(folder), "in.csv\n");
    std::filesystem::remove_all(folder);
}

TEST(Batch, AnOutputThatCannotBeWrittenIsTold) {
    const ProgramRun run =
        runCalc("--rules 2007 batch - --output /dev/null/never", kHeader + "1,甲,300000,1,yes\r\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot create"), std::string::npos) << run.err;
}

TEST(Batch, EveryBadRowIsToldNotOnlyTheFirst) {
    const std::string folder = makeTemporaryFolder();
    writeFile(folder + "/in.csv",
              kHeader + "1,丙,1,1,yes\r\n2,甲,300000,1,yes\r\n3,甲,x,1,yes\r\n");
    const ProgramRun both = runCalc("--rules 2007 batch " + quote(folder + "/in.csv") +
                                    " --output " + quote(folder + "/out.csv"));
    EXPECT_EQ(both.status, 1);
    EXPECT_NE(both.err.find("line 2: "), std::string::npos) << both.err;
    EXPECT_NE(both.err.find("line 4: "), std::string::npos) << both.err;
    EXPECT_EQ(listFolder(folder), "in.csv\n");
    std::filesystem::remove_all(folder);
}

TEST(Batch, StandardOutputStopsAtTheFirstBadRow) {
    const ProgramRun run =
        runCalc("--rules 2007 batch -",
                kHeader + kTwoLineRow + "4,甲,abc,2,yes\r\n" + kLastRow + "6,甲,xyz,2,yes\r\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("\"1\r\nSato\""), std::string::npos);
    EXPECT_EQ(run.out.find("\n5,"), std::string::npos);
    EXPECT_NE(run.err.find("line 4: "), std::string::npos);
    EXPECT_EQ(run.err.find("line 6"), std::string::npos) << run.err;
}

TEST(Batch, KeepGoingWritesGoodRowsAndMarksBadOnes) {
    const std::string folder = makeTemporaryFolder();
    writeFile(folder + "/in.csv", kHeader + kTwoLineRow + "4,甲,abc,2,yes\r\n" + kLastRow);
    const ProgramRun run = runCalc("--rules 2007 batch --keep-going " + quote(folder + "/in.csv") +
                                   " --output " + quote(folder + "/out.csv"));
    expectTold(run, "salary \"abc\" is not a number");
    const std::string out = readFile(folder + "/out.csv");
    EXPECT_NE(out.find("\r\n4,甲,abc,2,yes,,,,,,,,,,,,,,,,,,,,,,,,\"給与 \"\"abc\"\" は"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find(",48600,ok\r\n"), std::string::npos) << out;
    EXPECT_EQ(listFolder(folder), "in.csv\nout.csv\n");
    std::filesystem::remove_all(folder);
}

struct StoppingInput {
    const char* kind;
    std::string input;
    std::string told; // the line and part of the message
};

TEST(Batch, BrokenQuotingOrHeaderOrAnUnreadableFileStopsTheRun) {
    const std::string utf16Header = "i\0d\0,\0c\0o\0l\0u\0m\0n\0"s;
    const StoppingInput inputs[] = {
        {"text after a closing quote", kHeader + kTwoLineRow + "4,甲,\"300000\"x,2,yes\r\n",
         "line 4: CSV の引用符"},
        {"end of file inside quotes", kHeader + kTwoLineRow + "4,\"甲,300000,2,yes\r\n",
         "line 4: 引用符 (\") が閉じないままファイルが終わっています / the file ends inside a "
         "quoted field"},
        {"end of file inside quotes, bare CR",
         withBareCarriageReturns(kHeader + kTwoLineRow + "4,\"甲,300000,\r\n2,yes\r\n"),
         "line 4: 引用符"},
        {"end of file inside quotes over the limit",
         kHeader + kTwoLineRow + "4,\"" + kOverlongSalary + "\r\nmore\r\n", "line 4: 引用符"},
        {"UTF-16 with its byte-order mark", "\xFF\xFE" + utf16Header,
         "line 1: UTF-16 のファイルは読めません"},
        {"UTF-16 without a byte-order mark", utf16Header, "a UTF-16 file"},
        {"big-endian UTF-16", "\xFE\xFF" + utf16Header.substr(1), "a UTF-16 file"},
        {"header over the limit, no line end", kOverlongSalary + kOverlongSalary,
         "line 1: 1件の行が 65536 バイトを超えています / record longer than 65536 bytes"},
        {"wrong header", "id,column,salary,dependents\r\n1,甲,300000,2\r\n",
         "line 1: 1行目は見出し"},
        {"empty file", "", "line 1: 1行目は見出し"},
    };
    for (const StoppingInput& stopping : inputs) {
        SCOPED_TRACE(stopping.kind);
        const std::string folder = makeTemporaryFolder();
        writeFile(folder + "/in.csv", stopping.input);
        const ProgramRun run =
            runCalc("--rules 2007 batch --keep-going " + quote(folder + "/in.csv") + " --output " +
                    quote(folder + "/out.csv"));
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(stopping.told), std::string::npos) << run.err;
        EXPECT_EQ(listFolder(folder), "in.csv\n");
        std::filesystem::remove_all(folder);
    }
}

TEST(Batch, BareCarriageReturnsEndLinesAsCrLfDoes) {
    const std::string input = readFile(kData + "/payroll.csv");
    // The payroll has fractions of a yen, which only the windows' rules take.
    const ProgramRun crLf = runCalc("--rules 2007 batch -", input);
    const ProgramRun bareCr = runCalc("--rules 2007 batch -", withBareCarriageReturns(input));
    ASSERT_EQ(bareCr.status, 0) << bareCr.err;
    // The output's own line ends stay CRLF; only the line break inside the quoted id is the
    // input's.
    std::string expected = crLf.out;
    expected.replace(expected.find("\"7\r\nsecond"), 10, "\"7\rsecond");
    EXPECT_EQ(bareCr.out, expected);
}

TEST(Batch, LinesAfterASkippedRecordKeepTheirNumbers) {
    const ProgramRun run =
        runCalc("batch --keep-going -",
                kHeader + kTwoLineRow + overlongQuotedId() + ",甲,1,2,yes\r\n6,甲,x,2,yes\r\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("line 4: 1件の行が"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("line 2005: 給与 \"x\""), std::string::npos) << run.err;
    EXPECT_NE(run.out.find(" / record longer than 65536 bytes\r\n"), std::string::npos) << run.out;
}

} // namespace

} // namespace norvik
