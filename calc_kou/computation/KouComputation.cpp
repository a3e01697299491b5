#include "calc_kou/computation/KouComputation.h"

#include "calc_reiwa/RuleSet.h"
#include "money/AmountText.h"
#include "money/WithholdingTables.h"

namespace norvik {

namespace {

constexpr FieldSpec kFields[] = {
    {"formula5", "その月の課税給与所得金額(第3表)", true, true, {"GroupBox6"}},
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
    {"data5",
     "その月の課税給与所得金額(第3表) 所得金額",
     false,
     false,
     {"GroupBox6", {"StaticText14"}}},
    {"formula3",
     "電算機計算の特例による月額表の甲欄を摘要する給与等に対する税額 算　式",
     true,
     false,
     {"GroupBox7", {"StaticText16"}}},
    {"formula4",
     "その月の課税給与所得金額(第3表) 算　式",
     true,
     false,
     {"GroupBox6", {"StaticText11"}}},
    {"alldata",
     "電算機計算の特例による月額表の甲欄を摘要する給与等に対する税額 税　額",
     false,
     false,
     {"GroupBox7", {"StaticText7"}}},
};

constexpr std::string_view kLegend =
    "社会保険料控除後の給与等の金額-給与所得控除額-基礎控除-配偶者控除-扶養家族の控除額";

// Table 1 on the salary itself: the row is chosen on the whole yen, the deduction computed on
// the salary with its fraction. The 0.9 raises a fraction of 0.1 yen or more and drops less.
Currency employmentDeduction(Extended salary, const DeductionRow& row) {
    if (row.isFixed()) {
        return Currency::fromYen(kFixedEmploymentDeduction);
    }
    return Currency::fromExtended(dropFraction(salary * row.rate + 0.9L) +
                                  static_cast<Extended>(row.addend));
}

// The deductions as the formulas write them: plain numbers, the basic deduction as 31667.
std::string deductionTerms(const std::string& salaryText, const KouAmounts& a) {
    return salaryText + "-" + plainText(a.employmentDeduction) + "-31667-" +
           plainText(a.spouseDeduction) + "-" + plainText(a.dependentsDeduction);
}

// The taxable amount in ten-thousandths of a yen, formed in the order the working is read:
// the salary scaled first, then each deduction taken away.
Extended taxableTenThousandths(Extended salary, const KouAmounts& a) {
    Extended t = salary * static_cast<Extended>(Currency::kScale);
    t -= static_cast<Extended>(a.employmentDeduction.raw());
    t -= static_cast<Extended>(a.spouseDeduction.raw());
    t -= static_cast<Extended>(a.dependentsDeduction.raw());
    t -= static_cast<Extended>(kBasicDeduction * Currency::kScale);
    return t;
}

// Table 3 with the same 0.9 rule, on the unrounded taxable amount in ten-thousandths.
Currency tableTax(Extended taxableRaw, const TaxRow& row) {
    const Extended scale = Currency::kScale;
    return Currency::fromExtended(dropFraction((taxableRaw * row.rate + 9000.0L) / scale) -
                                  static_cast<Extended>(row.subtraction));
}

// Tens of yen: the nearest multiple of ten, a remainder of exactly five going up.
std::int64_t roundToTens(Currency tax) {
    const Extended shifted = static_cast<Extended>(tax.raw()) + 50000.0L;
    return 10 * truncateToInteger(shifted / 10.0L / static_cast<Extended>(Currency::kScale));
}

} // namespace

std::span<const FieldSpec> kouFields() {
    return kFields;
}

KouResult computeKou(const KouInput& in) {
    KouResult result;
    result.rules = rulesUsed(RuleSet::Paid2007to2012);
    result.fields = emptyFields(kFields);
    KouAmounts& a = result.amounts;
    auto write = [&result](std::string_view id, std::string text) {
        setText(result.fields, id, std::move(text));
    };

    write("formula5", std::string(kLegend));

    const DeductionRow& deductionRow = deductionRowFor(truncateToInteger(in.salary));
    a.employmentDeduction = employmentDeduction(in.salary, deductionRow);
    if (deductionRow.isFixed()) {
        write("formula1", "定額"); // the fixed amount has no working to show
    } else {
        write("formula1", std::string(in.salaryText).append(deductionRow.rateText));
    }
    write("data1", amountText(a.employmentDeduction));

    const bool withSpouse = in.spouseIndex == 0;
    a.spouseDeduction = Currency::fromYen(withSpouse ? kBasicDeduction : 0);
    write("data2", withSpouse ? "31,667" : "0");

    a.dependentsDeduction =
        Currency::fromExtended(in.dependents * static_cast<Extended>(kBasicDeduction));
    write("data3", amountText(a.dependentsDeduction));
    write("formula2", "31,667円×" + in.dependentsText + "人");

    const Extended taxableRaw = taxableTenThousandths(in.salary, a);
    a.taxable = Currency::fromExtendedRaw(taxableRaw);
    write("data5", amountText(a.taxable));

    const Extended scale = Currency::kScale;
    const TaxRow& taxRow = taxRowFor(truncateToInteger(taxableRaw / scale));
    a.tableTax = tableTax(taxableRaw, taxRow);
    const std::string terms = deductionTerms(in.salaryText, a);
    write("formula3", ("(" + terms + ")").append(taxRow.rateText));
    write("formula4", terms);

    a.shownTax = roundToTens(a.tableTax);
    // A negative table tax comes to tens of yen at or below zero, so the tax withheld from it
    // is 0 whatever tens it comes to.
    result.tax = withheldTax(a.shownTax);
    write("alldata", amountText(*result.tax));
    return result;
}

} // namespace norvik
