#include "calc_cli/ResultColumns.h"

#include "calc_cli/Request.h"
#include "calc_reiwa/BonusTax.h"

#include <algorithm>
#include <charconv>
#include <tuple>

namespace norvik {

namespace {

constexpr std::string_view kOk = "ok";

// The columns every kind of result CSV has besides its inputs and fields, and the one only
// salaries have (a bonus's working has a field called "method" of its own).
constexpr std::array<std::string_view, 3> kOwnColumns = {"rules", "tax", "status"};
constexpr std::string_view kMethodColumn = "method";

bool namesAColumn(std::string_view field, std::span<const std::string_view> inputNames,
                  bool methodColumn) {
    const auto isField = [field](std::string_view name) { return name == field; };
    return std::any_of(inputNames.begin(), inputNames.end(), isField) ||
           std::any_of(kOwnColumns.begin(), kOwnColumns.end(), isField) ||
           (methodColumn && field == kMethodColumn);
}

// The table's working has fields called "column" and "tax", which would read as the input's
// column and the tax in whole yen.
std::string headerName(std::string_view field, std::span<const std::string_view> inputNames,
                       bool methodColumn) {
    return namesAColumn(field, inputNames, methodColumn) ? "field_" + std::string(field)
                                                         : std::string(field);
}

// The windows' fields: the tax first, then each amount beside its formula by the number the
// layouts give them, the explanation under the tax last. Fields of the table's working follow
// in the order they are declared.
auto columnOrder(std::string_view field) {
    if (!field.starts_with("data") && !field.starts_with("formula") && field != "alldata") {
        return std::make_tuple(3, 0, false);
    }
    const bool formula = field.starts_with("formula");
    const std::string_view digits = field.substr(formula ? 7 : 4);
    int number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    const int rank = field == "alldata" ? 0 : field == "formulaall" ? 2 : 1;
    return std::make_tuple(rank, number, formula);
}

std::vector<std::string_view> fieldColumns(const Computation& computation) {
    std::vector<std::string_view> fields;
    for (const TaxColumn column : {TaxColumn::Kou, TaxColumn::Otsu}) {
        for (const FieldSpec& declaration : fieldsOf(computation, column)) {
            if (std::find(fields.begin(), fields.end(), declaration.id) == fields.end()) {
                fields.push_back(declaration.id);
            }
        }
    }
    std::stable_sort(fields.begin(), fields.end(), [](std::string_view a, std::string_view b) {
        return columnOrder(a) < columnOrder(b);
    });
    return fields;
}

std::string captionIn(const Computation& computation, TaxColumn column, std::string_view field) {
    const FieldSpec* declaration = findField(fieldsOf(computation, column), field);
    return declaration != nullptr ? std::string(declaration->caption) : std::string();
}

// A field name can mean different things in the two columns (column 甲's data1 is the
// employment-income deduction, column 乙's the calculation base amount); its caption says both.
std::string combinedCaption(const Computation& computation, std::string_view field) {
    const std::string kou = captionIn(computation, TaxColumn::Kou, field);
    const std::string otsu = captionIn(computation, TaxColumn::Otsu, field);
    if (otsu.empty() || kou == otsu) {
        return kou.empty() ? std::string(field) : "甲: " + kou;
    }
    return kou.empty() ? "乙: " + otsu : "甲: " + kou + " / 乙: " + otsu;
}

std::vector<std::string> salaryFieldHeaders(const Computation& computation, bool captions,
                                            const std::vector<std::string_view>& fields) {
    std::vector<std::string> headers;
    for (const std::string_view field : fields) {
        headers.push_back(captions ? combinedCaption(computation, field)
                                   : headerName(field, ResultColumns::kInputNames, true));
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

ResultColumns::ResultColumns(const Computation& computation, bool captions)
    : ResultColumns(computation.rules, kInputNames, true, fieldColumns(computation),
                    salaryFieldHeaders(computation, captions, fieldColumns(computation))) {}

ResultColumns ResultColumns::forBonuses(RuleSet rules, bool captions) {
    std::vector<std::string_view> fields;
    std::vector<std::string> headers;
    for (const FieldSpec& declaration : bonusTaxFields()) {
        fields.push_back(declaration.id);
        headers.push_back(captions ? std::string(declaration.caption)
                                   : headerName(declaration.id, kBonusInputNames, false));
    }
    return ResultColumns(rules, kBonusInputNames, false, std::move(fields), std::move(headers));
}

ResultColumns::ResultColumns(RuleSet rules, std::span<const std::string_view> inputNames,
                             bool methodColumn, std::vector<std::string_view> fields,
                             std::vector<std::string> fieldHeaders)
    : inputNames_(inputNames)
    , rulesName_(ruleSetName(rules))
    , methodColumn_(methodColumn)
    , fields_(std::move(fields)) {
    header_.assign(inputNames_.begin(), inputNames_.end());
    header_.emplace_back("rules");
    if (methodColumn_) {
        header_.emplace_back(kMethodColumn);
    }
    header_.insert(header_.end(), fieldHeaders.begin(), fieldHeaders.end());
    header_.emplace_back("tax");
    header_.emplace_back("status");
    cells_.resize(header_.size());
}

std::span<const std::string_view> ResultColumns::row(Inputs inputs, const TaxResult* result,
                                                     std::optional<TaxMethod> method,
                                                     std::string_view tax,
                                                     std::string_view status) {
    std::fill(cells_.begin(), cells_.end(), std::string_view());
    std::copy_n(inputs.begin(), std::min(inputs.size(), inputNames_.size()), cells_.begin());
    if (result != nullptr) {
        cells_[inputNames_.size()] = rulesName_;
        if (methodColumn_ && method) {
            cells_[inputNames_.size() + 1] = methodName(*method);
        }
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
    return firstFieldColumn() + static_cast<std::size_t>(found - fields_.begin());
}

// After the inputs, the rules' name and, for salaries, the method.
std::size_t ResultColumns::firstFieldColumn() const {
    return inputNames_.size() + (methodColumn_ ? 2 : 1);
}

} // namespace norvik
