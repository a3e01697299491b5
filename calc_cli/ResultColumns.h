#pragma once

#include "calc_cli/Request.h"
#include "result/TaxResult.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// The columns of a result CSV: the input columns as they were read, the name of the rules the
// row was computed under, for salaries its method ("computer" or "table"), one column for each
// field the kind of request can return (named by the field, or with `captions` by the caption
// shown beside it), then the tax in whole yen and the row's status. Both commands write it: a
// batch for every row, a single request with --format csv.
class ResultColumns {
public:
    // A payroll row: one column for each field either column of the rules can return.
    static constexpr std::array<std::string_view, 5> kInputNames = {"id", "column", "salary",
                                                                    "dependents", "spouse"};
    // A bonus row: one column for each field of the bonus working, in its order.
    static constexpr std::array<std::string_view, 9> kBonusInputNames = {"id",
                                                                         "column",
                                                                         "bonus",
                                                                         "bonus_insurance",
                                                                         "previous_salary",
                                                                         "previous_insurance",
                                                                         "dependents",
                                                                         "spouse",
                                                                         "long_period"};
    using Inputs = std::span<const std::string_view>;

    // Salaries: the fields either column can return under the rules and method.
    ResultColumns(const Computation& computation, bool captions);
    // Bonuses have one method of their own, so no method column.
    static ResultColumns forBonuses(RuleSet rules, bool captions);

    std::span<const std::string_view> inputNames() const { return inputNames_; }
    const std::vector<std::string>& header() const { return header_; }

    // The cells of one row; they point into the arguments, which must outlive their use. Without
    // a result the result cells, the rules' name and the method among them, stay empty. `inputs`
    // has one cell for each input name; `method` goes in the method column, when there is one.
    std::span<const std::string_view> row(Inputs inputs, const TaxResult* result,
                                          std::optional<TaxMethod> method, std::string_view tax,
                                          std::string_view status);

private:
    // Where the fields of one kind of result go, in the order the computation writes them.
    struct Layout {
        std::vector<std::string_view> fields;
        std::vector<std::size_t> columns;
    };

    ResultColumns(RuleSet rules, std::span<const std::string_view> inputNames, bool methodColumn,
                  std::vector<std::string_view> fields, std::vector<std::string> fieldHeaders);
    std::size_t firstFieldColumn() const;

    const Layout& layoutOf(const std::vector<Field>& fields);
    std::size_t columnOf(std::string_view field) const;

    std::span<const std::string_view> inputNames_;
    std::string_view rulesName_;
    bool methodColumn_;
    std::vector<std::string_view> fields_;
    std::vector<std::string> header_;
    std::vector<std::string_view> cells_;
    std::vector<Layout> layouts_;
};

// A result's status cell: "ok", or the refusal as the window shows it, on one line.
std::string resultStatus(const TaxResult& result);

} // namespace norvik
