#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace norvik {

// A text the window shows, and the object in its layout that shows it.
struct LayoutText {
    std::string_view widget;
    std::string_view text;
};

// What the window shows beside one display field: the title of the group box that holds it and
// the labels beside it (none, one, or two read together).
struct FieldCaption {
    std::string_view field;
    LayoutText group;
    std::array<LayoutText, 2> labels{};
};

// The captions of the column-甲 and column-乙 windows, one for each field of their result sets,
// in the order the computations write them.
std::span<const FieldCaption> kouCaptions();
std::span<const FieldCaption> otsuCaptions();

// The captions of column 甲 under the rules since 2020: the column-甲 window's where a field means
// the same, and captions of their own (a text without a widget) for the basic deduction and the
// taxable amount, whose tables are numbered differently.
std::span<const FieldCaption> reiwaKouCaptions();

// The labels of the inputs, which both windows share: the salary and dependents edits and the
// two spouse choices of column 甲.
LayoutText salaryCaption();
LayoutText dependentsCaption();
LayoutText spouseChoiceCaption(bool spouse);

// The group title and the labels as one line; a label that repeats its group's title is
// written once.
std::string captionLine(const FieldCaption& caption);

// The caption of `field` in `captions`, or nullptr.
const FieldCaption* findCaption(std::span<const FieldCaption> captions, std::string_view field);

} // namespace norvik
