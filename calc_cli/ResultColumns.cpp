#include "calc_cli/ResultColumns.h"

#include "calc_cli/Request.h"
#include "calc_reiwa/BonusTax.h"

#include <algorithm>
#include <charconv>
#include <tuple>

namespace norvik {

namespace {

constexpr std::string_view kOk = "ok";

// The tax first, then each amount beside its formula by the number the layouts give them, the
// explanation under the tax last.
auto columnOrder(std::string_view field) {
    const bool formula = field.starts_with("formula");
    const std::string_view digits = field.substr(formula ? 7 : 4);
    int number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    const int rank = field == "alldata" ? 0 : field == "formulaall" ? 2 : 1;
    return std::make_tuple(rank, number, formula);
}

std::vector<std::string_view> salaryFieldColumns(RuleSet rules) {
    std::vector<std::string_view> fields;
    for (const TaxColumn column : {TaxColumn::Kou, TaxColumn::Otsu}) {
        for (const FieldSpec& spec : fieldsOf(rules, column)) {
            if (std::find(fields.begin(), fields.end(), spec.id) == fields.end()) {
                fields.push_back(spec.id);
            }
        }
    }
    std::sort(fields.begin(), fields.end(), [](std::string_view a, std::string_view b) {
        return columnOrder(a) < columnOrder(b);
    });
    return fields;
}

std::string captionIn(RuleSet rules, TaxColumn column, std::string_view field) {
    const FieldSpec* spec = findField(fieldsOf(rules, column), field);
    return spec != nullptr ? std::string(spec->caption) : std::string();
}

// A field name can mean different things in the two columns (column 甲's data1 is the
// employment-income deduction, column 乙's the calculation base amount); its caption says both.
std::string combinedCaption(RuleSet rules, std::string_view field) {
    const std::string kou = captionIn(rules, TaxColumn::Kou, field);
    const std::string otsu = captionIn(rules, TaxColumn::Otsu, field);
    if (otsu.empty() || kou == otsu) {
        return kou.empty() ? std::string(field) : "甲: " + kou;
    }
    return kou.empty() ? "乙: " + otsu : "甲: " + kou + " / 乙: " + otsu;
}

std::vector<std::string> salaryFieldHeaders(RuleSet rules, bool captions,
                                            const std::vector<std::string_view>& fields) {
    std::vector<std::string> headers;
    for (const std::string_view field : fields) {
        headers.push_back(captions ? combinedCaption(rules, field) : std::string(field));
    }
    return headers;
}

} // namespace

// The window shows its refusal in a message box on two lines; one line reads the same and
// stays in one spreadsheet cell.
std::string resultStatus(const TaxResult& result) {
    if (!result.refused()) {
        return std::string(kOk);
    }
    std::string text = result.refusal->message;
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 2);
    }
    return text;
}

ResultColumns::ResultColumns(RuleSet rules, bool captions)
    : ResultColumns(rules, kInputNames, salaryFieldColumns(rules),
                    salaryFieldHeaders(rules, captions, salaryFieldColumns(rules))) {}

ResultColumns ResultColumns::forBonuses(RuleSet rules, bool captions) {
    std::vector<std::string_view> fields;
    std::vector<std::string> headers;
    for (const FieldSpec& spec : bonusTaxFields()) {
        fields.push_back(spec.id);
        headers.emplace_back(captions ? spec.caption : spec.id);
    }
    return ResultColumns(rules, kBonusInputNames, std::move(fields), std::move(headers));
}

ResultColumns::ResultColumns(RuleSet rules, std::span<const std::string_view> inputNames,
                             std::vector<std::string_view> fields,
                             std::vector<std::string> fieldHeaders)
    : inputNames_(inputNames)
    , rulesName_(ruleSetName(rules))
    , fields_(std::move(fields)) {
    header_.assign(inputNames_.begin(), inputNames_.end());
    header_.emplace_back("rules");
    header_.insert(header_.end(), fieldHeaders.begin(), fieldHeaders.end());
    header_.emplace_back("tax");
    header_.emplace_back("status");
    cells_.resize(header_.size());
}

std::span<const std::string_view> ResultColumns::row(Inputs inputs, const TaxResult* result,
                                                     std::string_view tax,
                                                     std::string_view status) {
    std::fill(cells_.begin(), cells_.end(), std::string_view());
    std::copy_n(inputs.begin(), std::min(inputs.size(), inputNames_.size()), cells_.begin());
    if (result != nullptr) {
        cells_[inputNames_.size()] = rulesName_;
        const Layout& layout = layoutOf(result->fields);
        auto column = layout.columns.begin();
        for (const Field& field : result->fields) {
            cells_[*column++] = field.text;
        }
    }
    cells_[cells_.size() - 2] = tax;
    cells_.back() = status;
    return cells_;
}

// A computation writes the same fields in the same order every time, so a row costs one
// comparison per field instead of a search.
const ResultColumns::Layout& ResultColumns::layoutOf(const std::vector<Field>& fields) {
    for (const Layout& layout : layouts_) {
        if (std::equal(
                layout.fields.begin(), layout.fields.end(), fields.begin(), fields.end(),
                [](std::string_view known, const Field& field) { return known == field.id; })) {
            return layout;
        }
    }
    Layout layout;
    for (const Field& field : fields) {
        layout.fields.push_back(field.id);
        layout.columns.push_back(columnOf(field.id));
    }
    return layouts_.emplace_back(std::move(layout));
}

std::size_t ResultColumns::columnOf(std::string_view field) const {
    const auto found = std::find(fields_.begin(), fields_.end(), field);
    // After the inputs, the rules' name, then the fields.
    return inputNames_.size() + 1 + static_cast<std::size_t>(found - fields_.begin());
}

} // namespace norvik
