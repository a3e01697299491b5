#include "help/tool/WorkedExample.h"

#include "help/tool/HtmlTable.h"
#include "money/AmountText.h"
#include "money/WithholdingTables.h"

#include <algorithm>
#include <stdexcept>

namespace norvik::help {

namespace {

// A field the example lists but the computation does not write is a mistake in the list.
const std::string& textOf(const ResultTexts& texts, std::string_view field) {
    const auto found = std::ranges::find(texts, field, &ResultTexts::value_type::first);
    if (found == texts.end()) {
        throw std::out_of_range("no display field named " + std::string(field));
    }
    return found->second;
}

} // namespace

std::string workedExampleTable(std::span<const ShownField> fields, const ResultTexts& texts,
                               std::string_view idPrefix) {
    HtmlTable table({"手順", "欄（画面の見出し）", "画面の表示"});
    for (const ShownField& shown : fields) {
        if (shown.field.empty()) {
            table.addRow({{std::string(shown.step)},
                          {std::string(shown.caption)},
                          {Amt(kBasicDeduction), "", true}});
            continue;
        }
        const bool amount = shown.field.starts_with("data") || shown.field == "alldata";
        table.addRow({{std::string(shown.step)},
                      {std::string(shown.caption)},
                      {textOf(texts, shown.field),
                       std::string(idPrefix) + "-" + std::string(shown.field), amount}});
    }
    return table.html();
}

} // namespace norvik::help
