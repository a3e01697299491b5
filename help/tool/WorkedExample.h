#pragma once

#include "result/TaxResult.h"

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

// The worked example as a table of every field as the window shows it, amounts right-aligned
// as their fields declare them. Each cell of a field carries the id "<idPrefix>-<field>", so
// that a reader of the built page can find it.
std::string workedExampleTable(std::span<const ShownField> fields, const TaxResult& result,
                               std::string_view idPrefix);

} // namespace norvik::help
