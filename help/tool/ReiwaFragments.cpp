#include "calc_r/computation/WindowRequest.h"
#include "help/tool/Fragments.h"
#include "help/tool/HtmlTable.h"

#include <string>

namespace norvik::help {

namespace {

// The worked examples of the window for today's withholding, each paid in December 2026.
WindowRequest exampleRequest(TaxColumn column, TaxMethod method) {
    WindowRequest request;
    request.paymentDate = "2026-12-25";
    request.salary = {300000, "300,000"};
    request.persons = {2, "2"};
    request.column = column;
    request.method = method;
    return request;
}

// Every field the answer fills, the tax among them, by the caption the core declares for it,
// then the other method's line, as the window shows them.
std::string exampleTable(const WindowRequest& request, std::string_view idPrefix) {
    const WindowAnswer answer = answerRequest(request);
    HtmlTable table({"欄", "表示"});
    for (const Field& field : answer.result.fields) {
        if (!field.text.empty()) {
            table.addRow({{std::string(field.caption)},
                          {field.text, std::string(idPrefix) + "-" + std::string(field.id),
                           !field.formula}});
        }
    }
    if (!answer.otherMethod.empty()) {
        table.addRow(
            {{"もう一方の求め方"}, {answer.otherMethod, std::string(idPrefix) + "-othermethod"}});
    }
    return table.html();
}

} // namespace

void addReiwaFragments(Fragments& fragments) {
    fragments["reiwa-example-table"] =
        exampleTable(exampleRequest(TaxColumn::Kou, TaxMethod::MonthlyTable), "reiwa-table");
    fragments["reiwa-example-provision"] = exampleTable(
        exampleRequest(TaxColumn::Kou, TaxMethod::ComputerProvision), "reiwa-provision");
    fragments["reiwa-example-otsu"] =
        exampleTable(exampleRequest(TaxColumn::Otsu, TaxMethod::MonthlyTable), "reiwa-otsu");
}

} // namespace norvik::help
