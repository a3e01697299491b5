#include "calc_otsu/computation/OtsuComputation.h"

#include "calc_reiwa/RuleSet.h"
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

constexpr FieldSpec kFields[] = {
    {"formula1",
     "計算基準額 (社会保険控除後の給与等の金額-同一階差の最小値)/階差＝商･･････余り(R)",
     true,
     false,
     {"GroupBox3", {"Label2", "Label4"}}},
    {"data1", "計算基準額", false, false, {"GroupBox3", {"StaticText20"}}},
    {"formula2",
     "計算基準額 社会保険控除後の給与等の金額-R",
     true,
     false,
     {"GroupBox3", {"Label3"}}},
    {"formula3",
     "主たる給与と従たる給与の合計額に対する税額 (計算基準額×2.5)×第1表に定められた算式",
     true,
     false,
     {"GroupBox4", {"StaticText8"}}},
    {"data2",
     "主たる給与と従たる給与の合計額に対する税額 給与所得控除",
     false,
     false,
     {"GroupBox4", {"StaticText25"}}},
    {"data11",
     "主たる給与と従たる給与の合計額に対する税額 課税給与所得金額",
     false,
     false,
     {"GroupBox4", {"StaticText1"}}},
    {"formula11",
     "主たる給与と従たる給与の合計額に対する税額 (計算基準額×2.5)-給与所得控除額-基礎控除額",
     true,
     false,
     {"GroupBox4", {"StaticText5"}}},
    {"data4",
     "主たる給与と従たる給与の合計額に対する税額 税　額",
     false,
     false,
     {"GroupBox4", {"StaticText35"}}},
    {"formula4",
     "主たる給与と従たる給与の合計額に対する税額 課税給与所得金額×第3表に定められた算式",
     true,
     false,
     {"GroupBox4", {"StaticText6"}}},
    {"formula6",
     "主たる給与に対する税額 (計算基準額×1.5)×第1表に定められた算式",
     true,
     false,
     {"GroupBox8", {"StaticText11"}}},
    {"data6", "主たる給与に対する税額 給与所得控除", false, false, {"GroupBox8", {"StaticText43"}}},
    {"data12",
     "主たる給与に対する税額 課税給与所得金額",
     false,
     false,
     {"GroupBox8", {"StaticText16"}}},
    {"formula12",
     "主たる給与に対する税額 (計算基準額×1.5)-給与所得控除額-基礎控除額",
     true,
     false,
     {"GroupBox8", {"StaticText19"}}},
    {"data9", "主たる給与に対する税額 税　額", false, false, {"GroupBox8", {"StaticText53"}}},
    {"formula9",
     "主たる給与に対する税額 課税給与所得金額×第3表に定められた算式",
     true,
     false,
     {"GroupBox8", {"StaticText15"}}},
    {"data5", "扶養控除", false, false, {"GroupBox5", {"StaticText55"}}},
    {"formula5", "扶養控除 1人あたり1580円控除", true, false, {"GroupBox5", {"StaticText10"}}},
    {"alldata",
     "電算機計算の特例による月額表の乙欄を摘要する給与等に対する税額 税　額",
     false,
     false,
     {"GroupBox7", {"StaticText7"}}},
    {"formulaall",
     "電算機計算の特例による月額表の乙欄を摘要する給与等に対する税額",
     true,
     true,
     {"GroupBox7"}},
};

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

// Table 1 in exact decimal arithmetic: dropFraction(A × rate + 0.9) + addend. With A in units of
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
                      std::vector<Field>& fields) {
    auto write = [&fields](std::string_view id, std::string text) {
        setText(fields, id, std::move(text));
    };
    const std::int64_t amount = base.raw() * m.tenths;
    const DeductionRow& deductionRow = deductionRowFor(amount / kMultipleScale);
    PartTax part{};
    part.deduction = employmentDeduction(amount, deductionRow);
    const std::string deductionText = amountText(part.deduction);
    write(m.deductionFormula, std::string(baseText).append(m.text).append(deductionRow.rateText));
    write(m.deduction, deductionText);

    part.taxable = (amount - (part.deduction + kBasicDeduction) * kMultipleScale) / kMultipleScale;
    const std::string taxableText = amountText(part.taxable);
    write(m.taxable, taxableText);
    write(m.taxableFormula, ("(" + baseText).append(m.text) + ")-" + deductionText + "-31,667円");

    const TaxRow& taxRow = taxRowFor(part.taxable);
    part.tax = tableTax(part.taxable, taxRow);
    write(m.tax, amountText(part.tax));
    write(m.taxFormula, std::string(taxableText).append(taxRow.rateText));
    return part;
}

// Hundreds of yen: the nearest multiple of 100 with 50 going up, in whole yen.
std::int64_t roundToHundreds(Currency difference) {
    constexpr std::int64_t hundred = 100 * Currency::kScale;
    const Currency lower = Currency::fromRaw(difference.raw() / hundred * hundred);
    const Currency rounded =
        (difference - lower).raw() >= hundred / 2 ? lower + Currency::fromRaw(hundred) : lower;
    return rounded.raw() / Currency::kScale;
}

OtsuResult refusal() {
    OtsuResult result;
    static_cast<TaxResult&>(result) =
        refusedResult(rulesUsed(RuleSet::Paid2007to2012),
                      Refusal{std::string(kRefusalTitle), std::string(kRefusalMessage)});
    return result;
}

} // namespace

OtsuResult computeOtsu(Extended salary, Extended dependents) {
    // Written so that a NaN salary is refused too.
    if (!(salary > kLowestRefused && salary <= kHighestAccepted)) {
        return refusal();
    }
    OtsuResult result;
    result.rules = rulesUsed(RuleSet::Paid2007to2012);
    result.fields = emptyFields(kFields);
    OtsuAmounts& a = result.amounts;
    std::vector<Field>& texts = result.fields;
    auto write = [&texts](std::string_view id, std::string text) {
        setText(texts, id, std::move(text));
    };

    const StepBand& band = bandFor(truncateToInteger(salary));
    const std::int64_t steps = truncateToInteger(salary - static_cast<Extended>(band.lowest));
    a.quotient = steps / band.width;
    a.remainder = steps % band.width;
    a.base = Currency::fromExtended(salary - static_cast<Extended>(a.remainder));
    const std::string salaryText = amountText(salary);
    const std::string baseText = amountText(a.base);
    write("formula1", std::string(salaryText).append(band.text) + plainText(a.quotient) + "..." +
                          plainText(a.remainder));
    write("data1", baseText);
    write("formula2", salaryText + "-" + amountText(a.remainder) + "=" + baseText);

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
    write("data5", amountText(a.dependentsDeduction));
    write("formula5", amountText(dependents) + "人×1,580円");

    result.tax = withheldTax(
        roundToHundreds(Currency::fromYen(combined.tax - mainOnly.tax) - a.dependentsDeduction));
    a.tax = Currency::fromYen(*result.tax);
    write("alldata", amountText(a.tax));
    write("formulaall", std::string(kExplanation));
    return result;
}

std::span<const FieldSpec> otsuFields() {
    return kFields;
}

std::span<const OtsuStepBand> otsuStepBands() {
    return kBands;
}

} // namespace norvik
