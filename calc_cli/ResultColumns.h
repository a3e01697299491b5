#pragma once

#include "calc_cli/Request.h"
#include "result/TaxResult.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// The columns of a result CSV: the five input columns as they were read, the name of the rules
// the row was computed under and its method ("computer" or "table"), one column for each field
// either column can return under the rules and method (named by the field, or with `captions` by
// what the windows show beside it), then the tax in whole yen and the row's status. Both
// commands write it: a batch for every row, a single request with --format csv.
class ResultColumns {
public:
    static constexpr std::array<std::string_view, 5> kInputNames = {"id", "column", "salary",
                                                                    "dependents", "spouse"};
    using Inputs = std::span<const std::string_view, kInputNames.size()>;

    ResultColumns(const Computation& computation, bool captions);

    const std::vector<std::string>& header() const { return header_; }

    // The cells of one row; they point into the arguments, which must outlive their use. Without
    // a result the result cells, the rules' name and the method among them, stay empty.
    std::span<const std::string_view> row(Inputs inputs, const TaxResult* result, TaxMethod method,
                                          std::string_view tax, std::string_view status);

private:
    // Where the fields of one kind of result go, in the order the computation writes them.
    struct Layout {
        std::vector<std::string_view> fields;
        std::vector<std::size_t> columns;
    };

    const Layout& layoutOf(const std::vector<Field>& fields);
    std::size_t columnOf(std::string_view field) const;

    std::string_view rulesName_;
    std::vector<std::string_view> fields_;
    std::vector<std::string> header_;
    std::vector<std::string_view> cells_;
    std::vector<Layout> layouts_;
};

// A result's status cell: "ok", or the refusal as the window shows it, on one line.
std::string resultStatus(const TaxResult& result);

} // namespace norvik
