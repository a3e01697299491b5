#pragma once

#include "calc_cli/EditEntryReader.h"
#include "calc_reiwa/RuleSet.h"
#include "result/TaxColumn.h"
#include "result/TaxResult.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace norvik {

// One employee's month, as the window of its column would be filled in.
struct TaxRequest {
    TaxColumn column = TaxColumn::Kou;
    EditEntry salary;
    EditEntry dependents;
    bool spouse = false; // the spouse deduction applies; column 甲 only
};

// A request read from its texts, or what is wrong with them (empty when nothing is).
struct RequestReading {
    TaxRequest request;
    std::string problem;
};

// Reads the four texts of a request, from the command line or from a CSV row: the column
// ("甲", "乙", "kou" or "otsu"), the salary and dependents as the windows' edits take them, and
// the spouse choice ("yes", "no", "あり", "なし"; column 甲 only). Problems are told in Japanese
// and English, naming the text at fault.
class RequestReader {
public:
    RequestReading read(std::string_view column, std::string_view salary,
                        std::string_view dependents, std::string_view spouse);
    int maxDigits() const { return entries_.maxDigits(); }

private:
    std::string readEntry(std::string_view name, std::string_view text, EditEntry& entry);

    EditEntryReader entries_;
};

// The texts every kind of request reads its column and its yes-or-no choices from: "甲" or
// "kou", "乙" or "otsu"; "yes" or "あり", "no" or "なし". Nothing for any other text.
std::optional<TaxColumn> columnNamed(std::string_view text);
std::optional<bool> yesNoNamed(std::string_view text);

// Quotes a text the clerk gave, for a problem's message.
std::string quoted(std::string_view text);

// What is wrong with a column's text, in Japanese and English.
std::string columnProblem(std::string_view column);

// What is wrong with a number's text, in Japanese and English, naming the input.
std::string entryProblemMessage(EntryProblem problem, std::string_view japaneseName,
                                std::string_view englishName, std::string_view text, int maxDigits);

// How the tax is found: by the computer-calculation special provision (電算機計算の特例) or by
// looking it up in the monthly table (月額表).
enum class TaxMethod { Computer, Table };

// "computer" or "table", as --method and the outputs name them.
std::string_view methodName(TaxMethod method);
// "電算機計算の特例" or "月額表", as the first line of a text result names it.
std::string_view methodCaption(TaxMethod method);

// The rules and, when the clerk chose one, the method a run computes by.
struct Computation {
    RuleSet rules = kDefaultRuleSet;
    std::optional<TaxMethod> method;
};

// The method a column is computed by: the one chosen, or else under the rules since 2020 column
// 甲 by the computer provision and column 乙 by the table (it has no computer provision), and
// under the 2007 rules the computer provision, the only one they have here.
TaxMethod methodFor(const Computation& computation, TaxColumn column);

// The fields a column's result has under the rules and method, with the windows' captions; none
// for a column they refuse.
std::span<const FieldSpec> fieldsOf(const Computation& computation, TaxColumn column);

// The request computed under the rules by its column's method. Under the rules since 2020 a
// fraction or a negative is refused as bad input, and column 乙 by the computer provision is
// refused as the windows refuse a salary outside their method. The table's count of 扶養親族等 is
// the dependents plus one for a spouse (column 甲); for column 乙 it is the dependents as given,
// the persons declared on a 従たる給与についての扶養控除等申告書, a spouse among them.
TaxResult computeRequest(const Computation& computation, const TaxRequest& request);

// A text a window shows, and the object in its layout that shows it.
struct LayoutText {
    std::string_view widget;
    std::string_view text;
};

// The labels of the inputs, which both windows share: the salary and dependents edits and the
// two spouse choices of column 甲.
LayoutText salaryCaption();
LayoutText dependentsCaption();
LayoutText spouseChoiceCaption(bool spouse);

} // namespace norvik
