#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace norvik {

// Display fields and their texts, in order.
using GoldenFields = std::vector<std::pair<std::string, std::string>>;

// One reviewed case of a golden file: its title, its inputs by name, and the texts that every
// display field must show, in order (or the refusal, whose title and message are fields too).
struct GoldenCase {
    std::string title;
    int line = 0;
    std::map<std::string, std::string> inputs; // "salary", "salaryText", ...
    GoldenFields expected; // "formula1", ... or "refusal.title", "refusal.message"
};

// Reads a golden file. Lines: "# comment", "== title" to start a case, "in.name: value" for an
// input and "field: text" for an expected text; "\r\n" in a text stands for a line break.
std::vector<GoldenCase> loadGoldenCases(const std::string& fileName);

} // namespace norvik
