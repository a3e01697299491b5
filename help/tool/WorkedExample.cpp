#include "help/tool/WorkedExample.h"

#include "help/tool/HtmlTable.h"
#include "money/AmountText.h"
#include "money/WithholdingTables.h"

namespace norvik::help {

std::string workedExampleTable(std::span<const ShownField> fields, const FieldTexts& texts,
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
                      {std::string(texts.at(shown.field)),
                       std::string(idPrefix) + "-" + std::string(shown.field), amount}});
    }
    return table.html();
}

} // namespace norvik::help
