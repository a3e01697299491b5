#include "help/tool/WorkedExample.h"

#include "help/tool/HtmlTable.h"
#include "money/AmountText.h"
#include "money/WithholdingTables.h"

#include <stdexcept>

namespace norvik::help {

namespace {

// A field the example lists but the computation does not write is a mistake in the list.
const Field& fieldOf(const TaxResult& result, std::string_view id) {
    if (const Field* field = result.field(id)) {
        return *field;
    }
    throw std::out_of_range("no display field named " + std::string(id));
}

} // namespace

std::string workedExampleTable(std::span<const ShownField> fields, const TaxResult& result,
                               std::string_view idPrefix, const ExampleHeadings& headings) {
    HtmlTable table({std::string(headings[0]), std::string(headings[1]), std::string(headings[2])});
    for (const ShownField& shown : fields) {
        if (shown.field.empty()) {
            table.addRow({{std::string(shown.step)},
                          {std::string(shown.caption)},
                          {amountText(kBasicDeduction), "", true}});
            continue;
        }
        const Field& field = fieldOf(result, shown.field);
        table.addRow(
            {{std::string(shown.step)},
             {std::string(shown.caption)},
             {field.text, std::string(idPrefix) + "-" + std::string(shown.field), !field.formula}});
    }
    return table.html();
}

} // namespace norvik::help
