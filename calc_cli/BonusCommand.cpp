#include "calc_cli/BonusCommand.h"

#include "calc_cli/BonusRequest.h"
#include "calc_cli/Request.h"
#include "calc_cli/ResultColumns.h"
#include "money/AmountText.h"

namespace norvik {

namespace {

constexpr std::string_view kYes = "yes";
constexpr std::string_view kNo = "no";

std::string yen(std::int64_t amount) {
    return amountText(amount) + "円";
}

BonusTexts textsOf(const BonusOptions& options) {
    return {options.column,
            options.bonus,
            options.bonusInsurance,
            options.previousSalary,
            options.previousInsurance,
            options.dependents,
            options.spouse,
            options.longPeriod ? kYes : kNo};
}

ReportContent bonusReport(RuleSet rules, const BonusOptions& given, const BonusRequest& request) {
    const bool kou = request.column == TaxColumn::Kou;
    ReportContent content;
    content.rules = rules;
    content.heading = kou ? "賞与 甲欄" : "賞与 乙欄";
    // The computation period matters on the monthly table's path only, whose working shows it.
    content.shownInputs = {
        {"賞与の金額", yen(request.bonus)},
        {"賞与から控除される社会保険料等の金額", yen(request.bonusInsurance)},
        {"前月中の給与等の金額", yen(request.previousSalary)},
        {"前月中の社会保険料等の金額", yen(request.previousInsurance)},
        {kou ? "扶養親族等の数 (源泉控除対象配偶者を含む)" : "従たる給与の申告書の扶養親族等の数",
         amountText(request.count) + "人"},
    };
    content.jsonInputs["column"] = kou ? "甲" : "乙";
    content.jsonInputs["bonus"] = request.bonus;
    content.jsonInputs["bonus_insurance"] = request.bonusInsurance;
    content.jsonInputs["previous_salary"] = request.previousSalary;
    content.jsonInputs["previous_insurance"] = request.previousInsurance;
    content.jsonInputs["count"] = request.count;
    content.jsonInputs["long_period"] = request.longPeriod;
    const BonusTexts texts = textsOf(given);
    content.csvInputs = {"",
                         texts.column,
                         texts.bonus,
                         texts.bonusInsurance,
                         texts.previousSalary,
                         texts.previousInsurance,
                         texts.dependents,
                         texts.spouse,
                         texts.longPeriod};
    content.leaveOutEmptyFields = true;
    content.closingTaxLine = false;
    return content;
}

} // namespace

int runBonus(RuleSet rules, const BonusOptions& options, std::ostream& errors) {
    BonusRequestReader reader;
    const BonusReading reading = reader.read(textsOf(options));
    if (!reading.problem.empty()) {
        errors << reading.problem << '\n';
        return 1;
    }
    const BonusTaxResult result = computeBonusTax(rules, reading.request);
    ResultColumns columns = ResultColumns::forBonuses(rules, false);
    return reportResult(bonusReport(rules, options, reading.request), columns, result,
                        options.format, options.output, errors);
}

} // namespace norvik
