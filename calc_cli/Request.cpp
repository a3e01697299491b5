#include "calc_cli/Request.h"

#include "calc_kou/computation/KouComputation.h"
#include "calc_otsu/computation/OtsuComputation.h"
#include "calc_reiwa/MonthlyTable.h"
#include "calc_reiwa/ReiwaKouComputation.h"
#include "calc_reiwa/WholeInput.h"

#include <optional>

namespace norvik {

namespace {

constexpr int kSpouseChosen = 0;
constexpr int kNoSpouse = 1;

} // namespace

std::optional<TaxColumn> columnNamed(std::string_view text) {
    if (text == "甲" || text == "kou") {
        return TaxColumn::Kou;
    }
    if (text == "乙" || text == "otsu") {
        return TaxColumn::Otsu;
    }
    return std::nullopt;
}

std::optional<bool> yesNoNamed(std::string_view text) {
    if (text == "yes" || text == "あり") {
        return true;
    }
    if (text == "no" || text == "なし") {
        return false;
    }
    return std::nullopt;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string columnProblem(std::string_view column) {
    return "欄 " + quoted(column) + " は 甲・乙・kou・otsu のいずれかです / column " +
           quoted(column) + " must be 甲, 乙, kou or otsu";
}

std::string entryProblemMessage(EntryProblem problem, std::string_view japaneseName,
                                std::string_view englishName, std::string_view text,
                                int maxDigits) {
    const std::string japanese(japaneseName);
    const std::string english(englishName);
    switch (problem) {
    case EntryProblem::Empty:
        return japanese + "が空です / " + english + " is empty";
    case EntryProblem::NotANumber:
        return japanese + " " + quoted(text) + " は数値として読めません / " + english + " " +
               quoted(text) + " is not a number";
    case EntryProblem::TooManyDigits: {
        const std::string digits = std::to_string(maxDigits);
        return japanese + " " + quoted(text) + " は" + digits + "桁を超えています / " + english +
               " " + quoted(text) + " has more than " + digits + " digits";
    }
    case EntryProblem::None:
        break;
    }
    return {};
}

namespace {

std::string_view japaneseName(std::string_view name) {
    return name == "salary" ? "給与" : "扶養家族数";
}

std::string spouseProblem(TaxColumn column, std::string_view spouse, std::optional<bool>& chosen) {
    if (column == TaxColumn::Otsu) {
        if (spouse.empty()) {
            return {};
        }
        return "乙欄に配偶者の指定はありません (空にしてください): " + quoted(spouse) +
               " / column 乙 takes no spouse choice (leave it empty): " + quoted(spouse);
    }
    chosen = yesNoNamed(spouse);
    if (chosen) {
        return {};
    }
    return "配偶者 " + quoted(spouse) + " は yes・no・あり・なし のいずれかです / spouse " +
           quoted(spouse) + " must be yes, no, あり or なし";
}

} // namespace

RequestReading RequestReader::read(std::string_view column, std::string_view salary,
                                   std::string_view dependents, std::string_view spouse) {
    RequestReading reading;
    const auto chosenColumn = columnNamed(column);
    if (!chosenColumn) {
        reading.problem = columnProblem(column);
        return reading;
    }
    reading.request.column = *chosenColumn;
    reading.problem = readEntry("salary", salary, reading.request.salary);
    if (reading.problem.empty()) {
        reading.problem = readEntry("dependents", dependents, reading.request.dependents);
    }
    if (reading.problem.empty()) {
        std::optional<bool> chosen;
        reading.problem = spouseProblem(*chosenColumn, spouse, chosen);
        reading.request.spouse = chosen.value_or(false);
    }
    return reading;
}

std::string RequestReader::readEntry(std::string_view name, std::string_view text,
                                     EditEntry& entry) {
    EntryReading reading = entries_.read(text);
    if (reading.problem != EntryProblem::None) {
        return entryProblemMessage(reading.problem, japaneseName(name), name, text,
                                   entries_.maxDigits());
    }
    entry = std::move(reading.entry);
    return {};
}

std::string_view methodName(TaxMethod method) {
    return method == TaxMethod::Table ? "table" : "computer";
}

std::string_view methodCaption(TaxMethod method) {
    return method == TaxMethod::Table ? "月額表" : "電算機計算の特例";
}

TaxMethod methodFor(const Computation& computation, TaxColumn column) {
    if (computation.method) {
        return *computation.method;
    }
    const bool since2020 = computation.rules != RuleSet::Paid2007to2012;
    return since2020 && column == TaxColumn::Otsu ? TaxMethod::Table : TaxMethod::Computer;
}

std::span<const FieldSpec> fieldsOf(const Computation& computation, TaxColumn column) {
    const bool kou = column == TaxColumn::Kou;
    if (methodFor(computation, column) == TaxMethod::Table) {
        return computation.rules == RuleSet::Paid2007to2012 ? std::span<const FieldSpec>()
                                                            : monthlyTableFields();
    }
    if (computation.rules == RuleSet::Paid2007to2012) {
        return kou ? kouFields() : otsuFields();
    }
    return kou ? reiwaKouFields() : std::span<const FieldSpec>();
}

namespace {

TaxResult computeByTable(RuleSet rules, const TaxRequest& request) {
    const WholeInput salary = wholeInput(request.salary.value, kSalaryInput, rules);
    if (salary.refusal) {
        return refusedResult(rulesUsed(rules), *salary.refusal);
    }
    const WholeInput dependents = wholeInput(request.dependents.value, kDependentsInput, rules);
    if (dependents.refusal) {
        return refusedResult(rulesUsed(rules), *dependents.refusal);
    }
    const bool spouseCounts = request.column == TaxColumn::Kou && request.spouse;
    return computeMonthlyTable(rules, request.column, salary.value,
                               dependents.value + (spouseCounts ? 1 : 0));
}

TaxResult computeByProvision(RuleSet rules, const TaxRequest& request) {
    const bool kou = request.column == TaxColumn::Kou;
    if (rules != RuleSet::Paid2007to2012) {
        if (!kou) {
            return refuseOtsuUnder(rules);
        }
        return computeReiwaKou(rules,
                               {request.salary.value, request.dependents.value, request.spouse});
    }
    if (!kou) {
        return computeOtsu(request.salary.value, request.dependents.value);
    }
    return computeKou({request.salary.value, request.salary.shownText, request.dependents.value,
                       request.dependents.shownText, request.spouse ? kSpouseChosen : kNoSpouse});
}

} // namespace

TaxResult computeRequest(const Computation& computation, const TaxRequest& request) {
    if (methodFor(computation, request.column) == TaxMethod::Table) {
        return computeByTable(computation.rules, request);
    }
    return computeByProvision(computation.rules, request);
}

LayoutText salaryCaption() {
    return {"StaticText12", "その月の社会保険料控除後の給与等の金額"};
}

LayoutText dependentsCaption() {
    return {"StaticText13", "扶養家族数"};
}

LayoutText spouseChoiceCaption(bool spouse) {
    return spouse ? LayoutText{"RadioGroup2Item0", "配偶者あり"}
                  : LayoutText{"RadioGroup2Item1", "配偶者なし"};
}

} // namespace norvik
