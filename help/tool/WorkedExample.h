#pragma once

#include "result/TaxResult.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace norvik::help {

// One row of a worked example: the step of the working, the caption a clerk sees on the
// screen, and the display field whose text the row shows.
struct ShownField {
    std::string_view step;
    std::string_view caption;
    std::string_view field; // empty for the basic deduction, which the window never writes
};

// The headings of the table's three columns: the step, the caption, the text.
using ExampleHeadings = std::array<std::string_view, 3>;
inline constexpr ExampleHeadings kWindowHeadings = {"手順", "欄（画面の見出し）", "画面の表示"};

// The worked example as a table of every field as the window shows it, amounts right-aligned
// as their fields declare them. Each cell of a field carries the id "<idPrefix>-<field>", so
// that a reader of the built page can find it.
std::string workedExampleTable(std::span<const ShownField> fields, const TaxResult& result,
                               std::string_view idPrefix,
                               const ExampleHeadings& headings = kWindowHeadings);

} // namespace norvik::help
