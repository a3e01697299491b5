#pragma once

#include "calc_cli/TaxOutcome.h"
#include "calc_cli/TaxRules.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// The columns of a result CSV: the five input columns as they were read, the name of the rules
// the row was computed under, one column for each field either column of the rules can return
// (named by the field, or with `captions` by what the windows show beside it), then the tax in
// whole yen and the row's status.
class ResultColumns {
public:
    static constexpr std::array<std::string_view, 5> kInputNames = {"id", "column", "salary",
                                                                    "dependents", "spouse"};
    using Inputs = std::span<const std::string_view, kInputNames.size()>;

    ResultColumns(const TaxRules& rules, bool captions);

    const std::vector<std::string>& header() const { return header_; }

    // The cells of one row; they point into the arguments, which must outlive their use. Without
    // an outcome the result cells, the rules' name among them, stay empty.
    std::span<const std::string_view> row(Inputs inputs, const TaxOutcome* outcome,
                                          std::string_view tax, std::string_view status);

private:
    // Where the fields of one kind of result set go, in the order the computation writes them.
    struct Layout {
        std::vector<std::string> fields;
        std::vector<std::size_t> columns;
    };

    const Layout& layoutOf(const ResultTexts& texts);
    std::size_t columnOf(std::string_view field) const;

    std::string_view rulesName_;
    std::vector<std::string_view> fields_;
    std::vector<std::string> header_;
    std::vector<std::string_view> cells_;
    std::vector<Layout> layouts_;
};

} // namespace norvik
