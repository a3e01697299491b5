// The compiled help read back as a viewer reads it: every topic, the contents and the index are
// there in the help's code page, and every link inside it leads somewhere.

#include "ExtractedHelp.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace norvik {

namespace {

const ExtractedHelp kHelp{NORVIK_HELP_EXTRACTED_DIR};

std::string readSource(const std::string& name) {
    std::ifstream in(std::string(NORVIK_HELP_SOURCE_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The topic files the project declares, from the [FILES] section of its project file.
std::vector<std::string> declaredTopics() {
    std::istringstream project(readSource("norvik.hhp"));
    std::vector<std::string> topics;
    bool inFiles = false;
    for (std::string line; std::getline(project, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.starts_with("[")) {
            inFiles = line == "[FILES]";
        } else if (inFiles && !line.empty()) {
            topics.push_back(line);
        }
    }
    return topics;
}

std::vector<std::smatch> allMatches(const std::string& text, const std::regex& pattern) {
    return {std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()};
}

TEST(HelpFile, HoldsEveryDeclaredTopicTheContentsAndTheIndex) {
    std::vector<std::string> expected = declaredTopics();
    ASSERT_GE(expected.size(), 7u);
    expected.push_back("norvik.hhc");
    expected.push_back("norvik.hhk");
    for (const std::string& name : expected) {
        EXPECT_TRUE(kHelp.has(name)) << name;
    }
}

TEST(HelpFile, IsMarkedJapanese) {
    std::ifstream chm(NORVIK_HELP_FILE, std::ios::binary);
    std::array<unsigned char, 24> header{};
    chm.read(reinterpret_cast<char*>(header.data()), header.size());
    ASSERT_TRUE(chm) << NORVIK_HELP_FILE;
    EXPECT_EQ(std::string(header.begin(), header.begin() + 4), "ITSF");
    const std::uint32_t language = header[20] | header[21] << 8 | header[22] << 16 |
                                   static_cast<std::uint32_t>(header[23]) << 24;
    EXPECT_EQ(language, 0x0411u);
}

// Each contents entry that opens a page carries that page's own title, read in the code page.
TEST(HelpFile, ContentsNameEveryTopicByItsTitle) {
    const std::string contents = kHelp.text("norvik.hhc");
    const std::regex entry(
        R"re(<param name="Name" value="([^"]+)"><param name="Local" value="([^"#]+)">)re");
    const auto entries = allMatches(contents, entry);
    ASSERT_EQ(entries.size(), declaredTopics().size());
    const std::regex title("<title>([^<]*)</title>");
    for (const std::smatch& m : entries) {
        const std::string page = kHelp.text(m[2]);
        std::smatch pageTitle;
        ASSERT_TRUE(std::regex_search(page, pageTitle, title)) << m[2];
        EXPECT_EQ(pageTitle[1], m[1].str()) << m[2];
    }
}

TEST(HelpFile, EveryLinkInsideItLeadsToAPageAndPlaceThatExist) {
    const std::regex link(R"re((?:href|<param name="Local" value)="([^"]*)")re");
    std::size_t checked = 0;
    for (const std::string& file : kHelp.textFiles()) {
        const std::string text = kHelp.text(file);
        for (const std::smatch& m : allMatches(text, link)) {
            const std::string target = m[1];
            if (target.find(':') != std::string::npos) {
                continue; // not inside the help
            }
            const std::size_t hash = target.find('#');
            const std::string page = hash == 0 ? file : target.substr(0, hash);
            ASSERT_TRUE(kHelp.has(page)) << file << " links to " << target;
            if (hash != std::string::npos) {
                const std::string place = target.substr(hash + 1);
                const std::string pageText = kHelp.text(page);
                EXPECT_TRUE(pageText.find("name=\"" + place + "\"") != std::string::npos ||
                            pageText.find("id=\"" + place + "\"") != std::string::npos)
                    << file << " links to " << target;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 50u);
}

TEST(HelpFile, EveryPageNamesItsCodePageAndHasNothingLeftToFillIn) {
    for (const std::string& file : kHelp.textFiles()) {
        const std::string text = kHelp.text(file);
        EXPECT_NE(text.find("charset=Shift_JIS"), std::string::npos) << file;
        EXPECT_EQ(text.find("<!--norvik:"), std::string::npos) << file;
    }
}

// A clerk must not take these results for today's tax: the period of the tables, what they
// lack and where today's tables are stand on their own page and on the first one.
TEST(HelpFile, SaysPlainlyWhichYearsTablesTheProgramsUse) {
    const char* const statements[] = {
        "平成19年1月～平成24年12月支払分", "復興特別所得税", "45%", "令和2年", "令和8年", "国税庁"};
    for (const char* page : {"tables.html", "index.html"}) {
        const std::string text = kHelp.text(page);
        for (const char* statement : statements) {
            EXPECT_NE(text.find(statement), std::string::npos) << page << ": " << statement;
        }
    }
}

TEST(HelpFile, IndexReadsInTheCodePage) {
    // chmcmd writes a binary index's keywords as if the index were UTF-8, and xCHM prefers that
    // index to the text one: with it, every Japanese keyword would show garbled.
    EXPECT_FALSE(kHelp.has("$WWKeywordLinks/BTree"));
    const std::string index = kHelp.text("norvik.hhk");
    for (const char* keyword : {"復興特別所得税", "計算基準額", "0.9円を加える端数処理"}) {
        EXPECT_NE(index.find(keyword), std::string::npos) << keyword;
    }
}

} // namespace

} // namespace norvik
