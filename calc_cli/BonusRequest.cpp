#include "calc_cli/BonusRequest.h"

#include "calc_cli/Request.h"

#include <cmath>
#include <optional>

namespace norvik {

namespace {

constexpr BonusInputName kBonus{"賞与の金額", "bonus"};
constexpr BonusInputName kBonusInsurance{"賞与から控除される社会保険料等の金額", "bonus insurance"};
constexpr BonusInputName kPreviousSalary{"前月中の給与等の金額", "previous salary"};
constexpr BonusInputName kPreviousInsurance{"前月中の社会保険料等の金額", "previous insurance"};
constexpr BonusInputName kDependents{"扶養家族数", "dependents", false};

std::string notWholeProblem(const BonusInputName& name, std::string_view text, bool negative) {
    const std::string japanese(name.japanese);
    const std::string english(name.english);
    if (negative) {
        return japanese + " " + quoted(text) + " は0以上にしてください / " + english + " " +
               quoted(text) + " must not be negative";
    }
    const std::string whole = name.yen ? "円単位の整数" : "整数";
    return japanese + " " + quoted(text) + " は" + whole + "にしてください (端数は不可) / " +
           english + " " + quoted(text) + " must be a whole number, without a fraction";
}

std::string yesNoProblem(std::string_view japanese, std::string_view english,
                         std::string_view text) {
    return std::string(japanese) + " " + quoted(text) +
           " は yes・no・あり・なし のいずれかです / " + std::string(english) + " " + quoted(text) +
           " must be yes, no, あり or なし";
}

// An empty text is "no".
std::optional<bool> choiceOf(std::string_view text) {
    return text.empty() ? std::optional<bool>(false) : yesNoNamed(text);
}

} // namespace

BonusReading BonusRequestReader::read(const BonusTexts& texts) {
    BonusReading reading;
    BonusRequest& request = reading.request;
    const auto column = columnNamed(texts.column);
    if (!column) {
        reading.problem = columnProblem(texts.column);
        return reading;
    }
    request.column = *column;
    const struct {
        const BonusInputName& name;
        std::string_view text;
        bool emptyIsZero;
        std::int64_t& value;
    } amounts[] = {
        {kBonus, texts.bonus, false, request.bonus},
        {kBonusInsurance, texts.bonusInsurance, true, request.bonusInsurance},
        {kPreviousSalary, texts.previousSalary, false, request.previousSalary},
        {kPreviousInsurance, texts.previousInsurance, true, request.previousInsurance},
    };
    for (const auto& amount : amounts) {
        reading.problem = readWhole(amount.name, amount.text, amount.emptyIsZero, amount.value);
        if (!reading.problem.empty()) {
            return reading;
        }
    }
    if (request.bonusInsurance > request.bonus) {
        reading.problem = "賞与から控除される社会保険料等の金額が賞与の金額を超えています / the "
                          "bonus insurance is larger than the bonus";
        return reading;
    }
    reading.problem = readDependents(texts, request);
    if (!reading.problem.empty()) {
        return reading;
    }
    const auto longPeriod = choiceOf(texts.longPeriod);
    if (!longPeriod) {
        reading.problem = yesNoProblem("6か月超の計算期間", "long period", texts.longPeriod);
        return reading;
    }
    request.longPeriod = *longPeriod;
    return reading;
}

std::string BonusRequestReader::readWhole(const BonusInputName& name, std::string_view text,
                                          bool emptyIsZero, std::int64_t& value) {
    if (text.empty() && emptyIsZero) {
        value = 0;
        return {};
    }
    const EntryReading reading = entries_.read(text);
    if (reading.problem != EntryProblem::None) {
        return entryProblemMessage(reading.problem, name.japanese, name.english, text,
                                   entries_.maxDigits());
    }
    const Extended number = reading.entry.value;
    if (number < 0 || number != std::trunc(number)) {
        return notWholeProblem(name, text, number < 0);
    }
    value = static_cast<std::int64_t>(number);
    return {};
}

// Column 甲 counts the 源泉控除対象配偶者 among the 扶養親族等; column 乙 takes no spouse.
std::string BonusRequestReader::readDependents(const BonusTexts& texts, BonusRequest& request) {
    std::string problem = readWhole(kDependents, texts.dependents, false, request.count);
    if (!problem.empty()) {
        return problem;
    }
    if (request.column == TaxColumn::Otsu) {
        if (texts.spouse.empty()) {
            return {};
        }
        return "乙欄に配偶者の指定はありません (空にしてください): " + quoted(texts.spouse) +
               " / column 乙 takes no spouse choice (leave it empty): " + quoted(texts.spouse);
    }
    const auto spouse = choiceOf(texts.spouse);
    if (!spouse) {
        return yesNoProblem("配偶者", "spouse", texts.spouse);
    }
    request.count += *spouse ? 1 : 0;
    return {};
}

} // namespace norvik
