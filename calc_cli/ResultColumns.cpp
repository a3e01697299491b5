#include "calc_cli/ResultColumns.h"

#include <algorithm>

namespace norvik {

namespace {

// After the inputs, the rules' name.
constexpr std::size_t kFirstFieldColumn = ResultColumns::kInputNames.size() + 1;

// A field name can mean different things in the two columns (column 甲's data1 is the
// employment-income deduction, column 乙's the calculation base amount); its caption says both.
std::string combinedCaption(const TaxRules& rules, std::string_view field) {
    const std::string kou = rules.caption(TaxColumn::Kou, field);
    const std::string otsu = rules.caption(TaxColumn::Otsu, field);
    if (otsu.empty() || kou == otsu) {
        return kou.empty() ? std::string(field) : "甲: " + kou;
    }
    return kou.empty() ? "乙: " + otsu : "甲: " + kou + " / 乙: " + otsu;
}

} // namespace

ResultColumns::ResultColumns(const TaxRules& rules, bool captions)
    : rulesName_(rules.name())
    , fields_(rules.resultFields()) {
    header_.assign(kInputNames.begin(), kInputNames.end());
    header_.emplace_back("rules");
    for (const std::string_view field : fields_) {
        header_.push_back(captions ? combinedCaption(rules, field) : std::string(field));
    }
    header_.emplace_back("tax");
    header_.emplace_back("status");
    cells_.resize(header_.size());
}

std::span<const std::string_view> ResultColumns::row(Inputs inputs, const TaxOutcome* outcome,
                                                     std::string_view tax,
                                                     std::string_view status) {
    std::fill(cells_.begin(), cells_.end(), std::string_view());
    std::copy(inputs.begin(), inputs.end(), cells_.begin());
    if (outcome != nullptr) {
        cells_[kInputNames.size()] = rulesName_;
        const Layout& layout = layoutOf(outcome->texts);
        auto column = layout.columns.begin();
        for (const auto& [field, text] : outcome->texts) {
            cells_[*column++] = text;
        }
    }
    cells_[cells_.size() - 2] = tax;
    cells_.back() = status;
    return cells_;
}

// A computation writes the same fields in the same order every time, so a row costs one
// comparison per field instead of a search.
const ResultColumns::Layout& ResultColumns::layoutOf(const ResultTexts& texts) {
    for (const Layout& layout : layouts_) {
        if (layout.fields.size() == texts.size() &&
            std::equal(
                layout.fields.begin(), layout.fields.end(), texts.begin(),
                [](const std::string& known, const auto& field) { return known == field.first; })) {
            return layout;
        }
    }
    Layout layout;
    for (const auto& [field, text] : texts) {
        layout.fields.emplace_back(field);
        layout.columns.push_back(columnOf(field));
    }
    return layouts_.emplace_back(std::move(layout));
}

std::size_t ResultColumns::columnOf(std::string_view field) const {
    const auto found = std::find(fields_.begin(), fields_.end(), field);
    return kFirstFieldColumn + static_cast<std::size_t>(found - fields_.begin());
}

} // namespace norvik
