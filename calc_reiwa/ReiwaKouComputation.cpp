#include "calc_reiwa/ReiwaKouComputation.h"

#include "calc_reiwa/ReiwaTables.h"
#include "calc_reiwa/WholeInput.h"
#include "money/AmountText.h"

#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>

namespace norvik {

namespace {

constexpr std::string_view kRefusalTitle = "情報";

constexpr FieldSpec kFields[] = {
    {"formula5", "その月の課税給与所得金額(第4表)", true, true, {}},
    {"formula1", "給与所得控除額(第１表) 算　式", true, false, {"GroupBox5", {"StaticText10"}}},
    {"data1", "給与所得控除額(第１表) 控除額", false, false, {"GroupBox5", {"StaticText8"}}},
    {"data2",
     "配偶者、扶養家族の控除額(第２表) 配偶者控除",
     false,
     false,
     {"GroupBox3", {"StaticText6"}}},
    {"data3",
     "配偶者、扶養家族の控除額(第２表) 扶養控除",
     false,
     false,
     {"GroupBox3", {"StaticText1"}}},
    {"formula2",
     "配偶者、扶養家族の控除額(第２表) 算　式",
     true,
     false,
     {"GroupBox3", {"StaticText9"}}},
    {"data4", "基礎控除額(第３表)", false, false, {}},
    {"data5", "その月の課税給与所得金額(第4表) 所得金額", false, false, {"", {"StaticText14"}}},
    {"formula3",
     "電算機計算の特例による月額表の甲欄を摘要する給与等に対する税額 算　式",
     true,
     false,
     {"GroupBox7", {"StaticText16"}}},
    {"formula4", "その月の課税給与所得金額(第4表) 算　式", true, false, {"", {"StaticText11"}}},
    {"alldata",
     "電算機計算の特例による月額表の甲欄を摘要する給与等に対する税額 税　額",
     false,
     false,
     {"GroupBox7", {"StaticText7"}}},
};

constexpr std::string_view kLegend =
    "社会保険料控除後の給与等の金額-給与所得控除額-基礎控除-配偶者控除-扶養家族の控除額";

template <typename Band>
const Band& bandFor(std::span<const Band> bands, std::int64_t amount) {
    for (std::size_t i = bands.size() - 1; i > 0; --i) {
        if (amount >= bands[i].from) {
            return bands[i];
        }
    }
    return bands.front();
}

// A fraction of a yen is raised to the next whole yen; the salary is never negative here.
std::int64_t employmentDeduction(std::int64_t salary, const EmploymentBand& band) {
    if (band.percent == 0) {
        return band.amount;
    }
    return (salary * band.percent + 99) / 100 + band.amount;
}

std::int64_t basicDeduction(std::int64_t salary, std::span<const BasicDeductionStep> steps) {
    for (const BasicDeductionStep& step : steps) {
        if (salary <= step.upTo) {
            return step.amount;
        }
    }
    return 0;
}

// The exact tax is rounded once, to the nearest ten yen with five yen going up.
std::int64_t taxInTensOfYen(std::int64_t exactTax) {
    constexpr std::int64_t ten = 10 * kExactTaxScale;
    return (exactTax + ten / 2) / ten * 10;
}

void writeTexts(const ReiwaKouAmounts& a, const std::string& dependentsCount,
                const EmploymentBand& employmentBand, const TaxBand& taxBand,
                std::vector<Field>& fields) {
    auto write = [&fields](std::string_view id, std::string text) {
        setText(fields, id, std::move(text));
    };
    const std::string salaryText = amountText(a.salary);
    write("formula5", std::string(kLegend));
    if (employmentBand.percent == 0) {
        write("formula1", "定額");
    } else {
        write("formula1", std::string(salaryText).append(employmentBand.formulaText));
    }
    write("data1", amountText(a.employmentDeduction));
    write("data2", amountText(a.spouseDeduction));
    write("data3", amountText(a.dependentsDeduction));
    write("formula2", "31,667円×" + dependentsCount + "人");
    write("data4", amountText(a.basicDeduction));
    write("data5", amountText(a.taxable));
    const std::string terms = salaryText + "-" + plainText(a.employmentDeduction) + "-" +
                              plainText(a.basicDeduction) + "-" + plainText(a.spouseDeduction) +
                              "-" + plainText(a.dependentsDeduction);
    write("formula3", ("(" + terms + ")").append(taxBand.formulaText));
    write("formula4", terms);
    write("alldata", amountText(a.tax));
}

} // namespace

std::span<const FieldSpec> reiwaKouFields() {
    return kFields;
}

ReiwaKouResult computeReiwaKou(RuleSet rules, const ReiwaKouInput& input) {
    const ReiwaTables& tables = reiwaTablesFor(rules);
    ReiwaKouResult result;
    result.rules = rulesUsed(rules);

    const WholeInput salary = wholeInput(input.salary, kSalaryInput, rules);
    const WholeInput dependents = wholeInput(input.dependents, kDependentsInput, rules);
    if (salary.refusal || dependents.refusal) {
        static_cast<TaxResult&>(result) =
            refusedResult(result.rules, salary.refusal ? *salary.refusal : *dependents.refusal);
        return result;
    }

    ReiwaKouAmounts& a = result.amounts;
    a.salary = salary.value;
    const EmploymentBand& employmentBand = bandFor(tables.employment, a.salary);
    a.employmentDeduction = employmentDeduction(a.salary, employmentBand);
    a.spouseDeduction = input.withSpouse ? kPersonDeduction : 0;
    a.dependentsDeduction = dependents.value * kPersonDeduction;
    a.basicDeduction = basicDeduction(a.salary, tables.basic);
    a.taxable = a.salary - a.employmentDeduction - a.basicDeduction - a.spouseDeduction -
                a.dependentsDeduction;
    // A taxable amount of zero or less is shown against the first band and taxed nothing;
    // it is never multiplied, so no count of dependents can overflow the product.
    const TaxBand& taxBand = bandFor(tables.tax, a.taxable);
    if (a.taxable > 0) {
        a.exactTax = a.taxable * taxBand.rate - taxBand.subtraction * kExactTaxScale;
        a.tax = taxInTensOfYen(a.exactTax);
    }
    result.tax = withheldTax(a.tax);

    result.fields = emptyFields(kFields);
    writeTexts(a, amountText(dependents.value), employmentBand, taxBand, result.fields);
    return result;
}

TaxResult refuseOtsuUnder(RuleSet rules) {
    if (rules == RuleSet::Paid2007to2012) {
        throw std::invalid_argument("the 2007 rules compute column 乙 (computeOtsu)");
    }
    return refusedResult(
        rulesUsed(rules),
        Refusal{std::string(kRefusalTitle),
                std::string(ruleSetName(rules))
                    .append("の規定には、乙欄の電算機計算の特例はありません（乙欄の税額は"
                            "表から求めます）。源泉徴収税額表（月額表）の乙欄で税額を求めて"
                            "ください。")});
}

} // namespace norvik
