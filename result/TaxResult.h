#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// Where a window shows a field's caption: the group box around the field and up to two labels
// beside it, by their names in the layout. A caption part without a name is the rules' own text,
// which no window shows (yet).
struct CaptionSource {
    std::string_view group;
    std::array<std::string_view, 2> labels{};
};

// One field a computation fills: the name of the display field that shows it in the window's
// layout ("data1", "formula1", …), the caption the window shows beside it, and whether its text
// is a formula (算式) rather than an amount. A computation declares its fields once, in the order
// it writes them; the windows, the command line and the help all take them from there.
struct FieldSpec {
    std::string_view id;
    std::string_view caption;
    bool formula = false;
    // A legend is the same text in every result (an explanation under the amounts): clearing
    // the window leaves it.
    bool legend = false;
    // The caption is the group's title, a space, then the labels' texts; a label that repeats
    // the group's title is not written twice. The layout check holds every caption to this.
    CaptionSource shownBy{};
};

// A declared field with the text one computation wrote into it.
struct Field {
    std::string_view id;
    std::string_view caption;
    bool formula = false;
    std::string text;
};

// A refused request either lies outside what the method covers (the clerk looks the tax up in
// the printed table) or gives a value the rules do not take (the clerk corrects the input).
enum class RefusalReason { NotCovered, BadInput };

// Why a request is not computed, as the window shows it in an information box.
struct Refusal {
    std::string title;
    std::string message;
    RefusalReason reason = RefusalReason::NotCovered;
};

// The rules a result was computed under: their name as printed on the tables ("令和8年分") and
// the payment dates they cover ("2026-01-01～2026-12-31").
struct RulesUsed {
    std::string_view name;
    std::string_view period;
};

// What every computation answers: its fields in their declared order, and either the tax in
// whole yen or the refusal. A refused result has no fields and no tax.
struct TaxResult {
    RulesUsed rules;
    std::vector<Field> fields;
    std::optional<std::int64_t> tax;
    std::optional<Refusal> refusal;

    bool refused() const { return refusal.has_value(); }

    // The field named `id`, or nullptr when this result has none.
    const Field* field(std::string_view id) const;
    // The text of the field named `id`; throws std::out_of_range when there is none.
    const std::string& text(std::string_view id) const;
};

// Every declared field with an empty text, ready for a computation to fill.
std::vector<Field> emptyFields(std::span<const FieldSpec> specs);

// What clearing a window leaves: every amount at "0", every formula empty; legends are left out,
// so they keep their text.
std::vector<Field> clearedFields(std::span<const FieldSpec> specs);

// The declared field named `id`, or nullptr.
const FieldSpec* findField(std::span<const FieldSpec> specs, std::string_view id);

// Writes `text` into the field named `id`; throws std::logic_error for an undeclared id, which
// is a programming error, never the clerk's.
void setText(std::vector<Field>& fields, std::string_view id, std::string text);

// A refusal: no fields and no tax.
TaxResult refusedResult(RulesUsed rules, Refusal refusal);

// The tax a clerk withholds: a computation that comes out below zero withholds nothing.
constexpr std::int64_t withheldTax(std::int64_t computed) {
    return computed < 0 ? 0 : computed;
}

} // namespace norvik
