#include "calc_cli/RequestReader.h"

#include <optional>

namespace norvik {

namespace {

std::optional<TaxColumn> ColumnNamed(std::string_view text) {
    if (text == "甲" || text == "kou") {
        return TaxColumn::Kou;
    }
    if (text == "乙" || text == "otsu") {
        return TaxColumn::Otsu;
    }
    return std::nullopt;
}

std::optional<bool> SpouseNamed(std::string_view text) {
    if (text == "yes" || text == "あり") {
        return true;
    }
    if (text == "no" || text == "なし") {
        return false;
    }
    return std::nullopt;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string_view JapaneseName(std::string_view name) {
    return name == "salary" ? "給与" : "扶養家族数";
}

std::string EntryMessage(EntryProblem problem, std::string_view name, std::string_view text,
                         int maxDigits) {
    const std::string japanese(JapaneseName(name));
    const std::string english(name);
    switch (problem) {
    case EntryProblem::Empty:
        return japanese + "が空です / " + english + " is empty";
    case EntryProblem::NotANumber:
        return japanese + " " + Quoted(text) + " は数値として読めません / " + english + " " +
               Quoted(text) + " is not a number";
    case EntryProblem::TooManyDigits: {
        const std::string digits = std::to_string(maxDigits);
        return japanese + " " + Quoted(text) + " は" + digits + "桁を超えています / " + english +
               " " + Quoted(text) + " has more than " + digits + " digits";
    }
    case EntryProblem::None:
        break;
    }
    return {};
}

std::string SpouseProblem(TaxColumn column, std::string_view spouse, std::optional<bool>& chosen) {
    if (column == TaxColumn::Otsu) {
        if (spouse.empty()) {
            return {};
        }
        return "乙欄に配偶者の指定はありません (空にしてください): " + Quoted(spouse) +
               " / column 乙 takes no spouse choice (leave it empty): " + Quoted(spouse);
    }
    chosen = SpouseNamed(spouse);
    if (chosen) {
        return {};
    }
    return "配偶者 " + Quoted(spouse) + " は yes・no・あり・なし のいずれかです / spouse " +
           Quoted(spouse) + " must be yes, no, あり or なし";
}

} // namespace

RequestReading RequestReader::Read(std::string_view column, std::string_view salary,
                                   std::string_view dependents, std::string_view spouse) {
    RequestReading reading;
    const auto chosenColumn = ColumnNamed(column);
    if (!chosenColumn) {
        reading.problem = "欄 " + Quoted(column) +
                          " は 甲・乙・kou・otsu のいずれかです / column " + Quoted(column) +
                          " must be 甲, 乙, kou or otsu";
        return reading;
    }
    reading.request.column = *chosenColumn;
    reading.problem = ReadEntry("salary", salary, reading.request.salary);
    if (reading.problem.empty()) {
        reading.problem = ReadEntry("dependents", dependents, reading.request.dependents);
    }
    if (reading.problem.empty()) {
        std::optional<bool> chosen;
        reading.problem = SpouseProblem(*chosenColumn, spouse, chosen);
        reading.request.spouse = chosen.value_or(false);
    }
    return reading;
}

std::string RequestReader::ReadEntry(std::string_view name, std::string_view text,
                                     EditEntry& entry) {
    EntryReading reading = entries_.Read(text);
    if (reading.problem != EntryProblem::None) {
        return EntryMessage(reading.problem, name, text, entries_.MaxDigits());
    }
    entry = std::move(reading.entry);
    return {};
}

} // namespace norvik
