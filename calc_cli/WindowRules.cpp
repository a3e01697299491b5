#include "calc_cli/WindowRules.h"

#include "calc_cli/FieldCaptions.h"
#include "calc_kou/computation/KouComputation.h"
#include "calc_otsu/computation/OtsuComputation.h"

namespace norvik {

namespace {

constexpr int kSpouseChosen = 0;
constexpr int kNoSpouse = 1;

// The window shows its refusal in a message box on two lines; one line reads the same and
// stays in one spreadsheet cell.
std::string onOneLine(std::string text) {
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 2);
    }
    return text;
}

} // namespace

std::string_view WindowRules::name() const {
    return "平成19年分～平成24年分";
}

// Each amount beside its formula, by the number the layouts give them; the tax first.
const std::vector<std::string_view>& WindowRules::resultFields() const {
    static const std::vector<std::string_view> fields = {
        "alldata",  "data1",    "formula1",  "data2",    "formula2",  "data3",     "formula3",
        "data4",    "formula4", "data5",     "formula5", "data6",     "formula6",  "data9",
        "formula9", "data11",   "formula11", "data12",   "formula12", "formulaall"};
    return fields;
}

std::string WindowRules::caption(TaxColumn column, std::string_view field) const {
    const FieldCaption* caption =
        findCaption(column == TaxColumn::Kou ? kouCaptions() : otsuCaptions(), field);
    return caption ? captionLine(*caption) : std::string();
}

TaxOutcome WindowRules::compute(const TaxRequest& request) const {
    return request.column == TaxColumn::Kou ? kouOutcome(request) : otsuOutcome(request);
}

TaxOutcome WindowRules::kouOutcome(const TaxRequest& request) {
    const KouInput input{request.salary.value, request.salary.shownText, request.dependents.value,
                         request.dependents.shownText, request.spouse ? kSpouseChosen : kNoSpouse};
    KouResult result = computeKou(input);
    // The window shows "0" for a negative table tax, whatever tens of yen it comes to.
    const std::int64_t tax = result.amounts.tableTax.isNegative() ? 0 : result.amounts.shownTax;
    return {std::move(result.texts), tax, {}, {}};
}

TaxOutcome WindowRules::otsuOutcome(const TaxRequest& request) {
    OtsuResult result = computeOtsu(request.salary.value, request.dependents.value);
    if (result.refusal) {
        return {{}, std::nullopt, onOneLine(result.refusal->message), {}};
    }
    // Brought to hundreds of yen, the tax has no fraction left.
    const std::int64_t tax = result.amounts.tax.raw() / Currency::kScale;
    return {std::move(result.texts), tax, {}, {}};
}

} // namespace norvik
