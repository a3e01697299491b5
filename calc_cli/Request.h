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

// The fields a column's result has under the rules, with the windows' captions; none for a
// column the rules refuse.
std::span<const FieldSpec> fieldsOf(RuleSet rules, TaxColumn column);

// The request computed under the rules by the computation of its column. Under the rules since
// 2020 a fraction or a negative is refused as bad input, and column 乙 is refused as the
// windows refuse a salary outside their method.
TaxResult computeRequest(RuleSet rules, const TaxRequest& request);

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
