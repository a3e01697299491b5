#pragma once

#include "money/Extended.h"
#include "result/TaxColumn.h"
#include "result/TaxResult.h"

#include <string>
#include <vector>

namespace norvik {

// How column 甲 is found: by the printed monthly table or by the computer provision.
enum class TaxMethod { MonthlyTable, ComputerProvision };

// A number as its edit holds it: the value, and the text shown (empty when nothing is entered).
struct EnteredNumber {
    Extended value = 0;
    std::string text;
};

// One request of the window for today's withholding, as the clerk entered it.
struct WindowRequest {
    std::string paymentDate; // YYYY-MM-DD
    EnteredNumber salary;    // after social insurance, yen
    EnteredNumber persons;   // 扶養親族等, the spouse counted
    TaxColumn column = TaxColumn::Kou;
    TaxMethod method = TaxMethod::MonthlyTable;
};

// The result of the chosen method, and for column 甲 the other method's tax in one line
// ("電算機計算の特例では4,680円"), so that a payroll program using either can be checked.
struct WindowAnswer {
    TaxResult result;
    std::string otherMethod;
};

// The answer to a request, or a refusal that names the input at fault. Nothing here knows a tax
// rule: the rules are chosen by the payment date and computed by the core.
WindowAnswer answerRequest(const WindowRequest& request);

// Every field either method fills, in the order the window lists them.
std::vector<FieldSpec> windowFields();

// "令和8年分 月額表 甲欄": what the tax shown was computed with.
std::string methodLine(const WindowRequest& request, const TaxResult& result);

} // namespace norvik
