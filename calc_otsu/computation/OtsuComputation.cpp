#include "calc_otsu/computation/OtsuComputation.h"

#include "money/AmountText.h"
#include "money/WithholdingTables.h"

#include <array>

namespace norvik {

namespace {

constexpr Extended kLowestRefused = kOtsuLowestRefused;
constexpr Extended kHighestAccepted = kOtsuHighestAccepted;

constexpr std::string_view kRefusalTitle = "情報";
constexpr std::string_view kRefusalMessage =
    "その月の社会保険料控除後の給与等の金額が\r\n"
    "88000円以下、または1010000円を超えている場合は源泉徴収税額表-月額表-を使用してください。";
constexpr std::string_view kExplanation =
    "主たる給与と従たる給与の合計額に対する税額-主たる給与に対する税額-扶養控除";

using StepBand = OtsuStepBand;

constexpr std::array<StepBand, 3> kBands{{
    {87000, 1000, "-87000/1000="},
    {99000, 2000, "-99000/2000="},
    {221000, 3000, "-221000/3000="},
}};

const StepBand& bandFor(std::int64_t wholeYen) {
    for (std::size_t i = kBands.size() - 1; i > 0; --i) {
        if (wholeYen >= kBands[i].lowest) {
            return kBands[i];
        }
    }
    return kBands.front();
}

// One of the two taxes: the base amount taken 2.5 times (main and secondary salary together)
// or 1.5 times (main salary alone), and the display fields its working goes to.
struct Multiple {
    std::int64_t tenths; // 25 or 15
    std::string_view text;
    std::string_view deductionFormula, deduction, taxable, taxableFormula, tax, taxFormula;
};

constexpr Multiple kCombined{25,       "×2.5",      "formula3", "data2",
                             "data11", "formula11", "data4",    "formula4"};
constexpr Multiple kMainOnly{15,       "×1.5",      "formula6", "data6",
                             "data12", "formula12", "data9",    "formula9"};

// A multiple of the base amount is kept exact in units of 1e-5 yen: one decimal more than
// Currency holds, so the multiple of a base amount with a fraction loses nothing.
constexpr std::int64_t kMultipleScale = Currency::kScale * 10;

// Table 1 in exact decimal arithmetic: Int(A × rate + 0.9) + addend. With A in units of
// 1e-5 yen and the rate in percent, A × rate + 0.9 is counted in units of 1e-7 yen.
std::int64_t employmentDeduction(std::int64_t amount, const DeductionRow& row) {
    if (row.isFixed()) {
        return kFixedEmploymentDeduction;
    }
    constexpr std::int64_t unit = kMultipleScale * 100;
    return (amount * row.percent + unit / 10 * 9) / unit + row.addend;
}

// Table 3 on a whole-yen taxable amount, brought to the nearest 10 yen with 5 going up,
// worked in hundredths of a yen where every rate gives an exact product.
std::int64_t tableTax(std::int64_t taxable, const TaxRow& row) {
    const std::int64_t hundredths = taxable * row.percent - row.subtraction * 100;
    return 10 * ((hundredths + 500) / 1000);
}

struct PartTax {
    std::int64_t deduction;
    std::int64_t taxable;
    std::int64_t tax;
};

PartTax taxOnMultiple(Currency base, const std::string& baseText, const Multiple& m,
                      ResultTexts& texts) {
    const std::int64_t amount = base.raw() * m.tenths;
    const DeductionRow& deductionRow = deductionRowFor(amount / kMultipleScale);
    PartTax part{};
    part.deduction = employmentDeduction(amount, deductionRow);
    const std::string deductionText = Amt(part.deduction);
    texts.emplace_back(m.deductionFormula,
                       std::string(baseText).append(m.text).append(deductionRow.rateText));
    texts.emplace_back(m.deduction, deductionText);

    part.taxable = (amount - (part.deduction + kBasicDeduction) * kMultipleScale) / kMultipleScale;
    const std::string taxableText = Amt(part.taxable);
    texts.emplace_back(m.taxable, taxableText);
    texts.emplace_back(m.taxableFormula,
                       ("(" + baseText).append(m.text) + ")-" + deductionText + "-31,667円");

    const TaxRow& taxRow = taxRowFor(part.taxable);
    part.tax = tableTax(part.taxable, taxRow);
    texts.emplace_back(m.tax, Amt(part.tax));
    texts.emplace_back(m.taxFormula, std::string(taxableText).append(taxRow.rateText));
    return part;
}

// Hundreds of yen: the nearest multiple of 100 with 50 going up, and never below zero.
Currency roundToHundreds(Currency difference) {
    constexpr std::int64_t hundred = 100 * Currency::kScale;
    const Currency lower = Currency::fromRaw(difference.raw() / hundred * hundred);
    const Currency rounded =
        (difference - lower).raw() >= hundred / 2 ? lower + Currency::fromRaw(hundred) : lower;
    return rounded.isNegative() ? Currency() : rounded;
}

OtsuResult refusal() {
    OtsuResult result;
    result.refusal = OtsuRefusal{std::string(kRefusalTitle), std::string(kRefusalMessage)};
    return result;
}

} // namespace

OtsuResult computeOtsu(Extended salary, Extended dependents) {
    // Written so that a NaN salary is refused too.
    if (!(salary > kLowestRefused && salary <= kHighestAccepted)) {
        return refusal();
    }
    OtsuResult result;
    OtsuAmounts& a = result.amounts;
    ResultTexts& texts = result.texts;
    texts.reserve(19);

    const StepBand& band = bandFor(Trunc(salary));
    const std::int64_t steps = Trunc(salary - static_cast<Extended>(band.lowest));
    a.quotient = steps / band.width;
    a.remainder = steps % band.width;
    a.base = Currency::fromExtended(salary - static_cast<Extended>(a.remainder));
    const std::string salaryText = Amt(salary);
    const std::string baseText = Amt(a.base);
    texts.emplace_back("formula1", std::string(salaryText).append(band.text) + Plain(a.quotient) +
                                       "..." + Plain(a.remainder));
    texts.emplace_back("data1", baseText);
    texts.emplace_back("formula2", salaryText + "-" + Amt(a.remainder) + "=" + baseText);

    const PartTax combined = taxOnMultiple(a.base, baseText, kCombined, texts);
    const PartTax mainOnly = taxOnMultiple(a.base, baseText, kMainOnly, texts);
    a.combinedDeduction = Currency::fromYen(combined.deduction);
    a.combinedTaxable = combined.taxable;
    a.combinedTax = combined.tax;
    a.mainDeduction = Currency::fromYen(mainOnly.deduction);
    a.mainTaxable = mainOnly.taxable;
    a.mainTax = mainOnly.tax;

    a.dependentsDeduction =
        Currency::fromExtended(dependents * static_cast<Extended>(kOtsuPerDependent));
    texts.emplace_back("data5", Amt(a.dependentsDeduction));
    texts.emplace_back("formula5", Amt(dependents) + "人×1,580円");

    a.tax = roundToHundreds(Currency::fromYen(combined.tax - mainOnly.tax) - a.dependentsDeduction);
    texts.emplace_back("alldata", Amt(a.tax));
    texts.emplace_back("formulaall", kExplanation);
    return result;
}

std::span<const OtsuStepBand> otsuStepBands() {
    return kBands;
}

} // namespace norvik
