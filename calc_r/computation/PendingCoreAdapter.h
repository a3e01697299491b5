#pragma once

// Adapter, to be deleted: the core does not yet answer the column-甲 computation since 2020 in
// the shared result shape, nor look up the monthly table. Until it does, this file gives the
// window both, from the core's computation and from the table files themselves; the window and
// its tests call only the two functions at the end.

#include "calc_reiwa/ReiwaKouComputation.h"
#include "calc_reiwa/RuleSet.h"
#include "money/AmountText.h"
#include "result/TaxColumn.h"
#include "result/TaxResult.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace norvik::pending {

inline constexpr std::array<FieldSpec, 11> kComputerProvisionFields{{
    {"formula5", "その月の課税給与所得金額の算式の項目", true},
    {"formula1", "給与所得控除額の算式", true},
    {"data1", "給与所得控除額(第１表)"},
    {"data2", "配偶者控除"},
    {"data3", "扶養控除(第２表)"},
    {"formula2", "扶養控除の算式", true},
    {"data4", "基礎控除額(第３表)"},
    {"data5", "その月の課税給与所得金額"},
    {"formula3", "税額(第４表)の算式", true},
    {"formula4", "課税給与所得金額の算式", true},
    {"alldata", "税　額"},
}};

inline constexpr std::array<FieldSpec, 6> kMonthlyTableFields{{
    {"band", "給与等の金額", true},
    {"column", "適用する欄", true},
    {"tabledata", "表の税額"},
    {"tableformula", "表の税額の算式", true},
    {"adjustdata", "控除額"},
    {"adjustformula", "控除の算式", true},
}};

inline RulesUsed rulesUsed(RuleSet rules) {
    return {ruleSetName(rules), {}};
}

// Column 甲 by the computer provision, a person of 扶養親族等 each counted at the dependents'
// deduction, which is the spouse's too.
inline TaxResult computerProvisionResult(RuleSet rules, Extended salary, Extended persons) {
    ReiwaKouResult computed = computeReiwaKou(rules, {salary, persons, false});
    if (computed.refusal) {
        return refusedResult(rulesUsed(rules), {"情報", computed.refusal->message});
    }
    TaxResult result{rulesUsed(rules), emptyFields(kComputerProvisionFields), computed.amounts.tax,
                     std::nullopt};
    for (auto& [id, text] : computed.texts) {
        setText(result.fields, id, std::move(text));
    }
    return result;
}

struct TableLine {
    std::string kind;
    std::int64_t lower = 0;
    std::int64_t upper = -1; // none
    std::array<std::int64_t, 8> kou{};
    std::string kouRate;
    std::int64_t otsu = 0;
    std::string otsuRate;
};

inline std::int64_t yenField(const std::string& text) {
    return text == "-" ? -1 : std::stoll(text);
}

inline std::string tableFile(RuleSet rules) {
    const std::string year =
        rules == RuleSet::Paid2020to2025 ? "2020" : std::string(ruleSetYear(rules));
    return std::string(NORVIK_TABLES_DIR) + "/monthly-" + year + ".tsv";
}

inline std::vector<TableLine> readTable(RuleSet rules) {
    std::ifstream in(tableFile(rules));
    if (!in) {
        throw std::runtime_error("no monthly table " + tableFile(rules));
    }
    std::vector<TableLine> lines;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> f;
        std::stringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) {
            f.push_back(cell);
        }
        TableLine t{f.at(0),  yenField(f.at(1)),  yenField(f.at(2)), {},
                    f.at(11), yenField(f.at(12)), f.at(13)};
        for (std::size_t i = 0; i < 8; ++i) {
            t.kou[i] = yenField(f.at(3 + i));
        }
        lines.push_back(t);
    }
    return lines;
}

// A rate written "0.2042" as hundred-thousandths, and as the table prints it: "20.42%".
inline std::int64_t rateUnits(const std::string& rate) {
    std::string digits = rate.substr(rate.find('.') + 1);
    digits.resize(5, '0');
    return std::stoll(digits);
}

inline std::string ratePercent(const std::string& rate) {
    std::string text = std::to_string(rateUnits(rate));
    text.insert(text.size() - 3, ".");
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text + "%";
}

inline std::string yen(std::int64_t amount) {
    return Amt(amount) + "円";
}

inline std::string bandText(const TableLine& t) {
    if (t.lower == 0) {
        return yen(t.upper) + "未満";
    }
    return yen(t.lower) + "以上" + (t.upper < 0 ? "" : yen(t.upper) + "未満");
}

// Column 甲 or 乙 of the monthly table; `persons` is the 扶養親族等 of the declaration (for 乙, of
// the declaration for a secondary salary).
inline TaxResult monthlyTableResult(RuleSet rules, TaxColumn column, std::int64_t salary,
                                    std::int64_t persons) {
    const bool kou = column == TaxColumn::Kou;
    const std::vector<TableLine> lines = readTable(rules);
    const TableLine* found = nullptr;
    for (const TableLine& t : lines) {
        const bool ofColumn = t.kind == "below" || t.kind == "row" ||
                              t.kind == (kou ? "kou_formula" : "otsu_formula");
        if (ofColumn && salary >= t.lower && (t.upper < 0 || salary < t.upper)) {
            found = &t;
        }
    }
    if (found == nullptr) {
        throw std::logic_error("the monthly table leaves a gap");
    }
    const TableLine& t = *found;
    const std::int64_t base = kou ? t.kou[std::min<std::int64_t>(persons, 7)] : t.otsu;
    const std::string& rate = kou ? t.kouRate : t.otsuRate;
    TaxResult result{rulesUsed(rules), emptyFields(kMonthlyTableFields), 0, std::nullopt};
    std::int64_t table = base;
    if (rate != "-") {
        table += (salary - t.lower) * rateUnits(rate) / 100000;
        setText(result.fields, "tableformula",
                t.lower == 0 && base == 0 ? yen(salary) + "×" + ratePercent(rate)
                                          : yen(base) + "+(" + yen(salary) + "-" + yen(t.lower) +
                                                ")×" + ratePercent(rate));
    }
    const std::int64_t counted = kou ? std::max<std::int64_t>(persons - 7, 0) : persons;
    const std::int64_t adjustment = 1610 * counted;
    setText(result.fields, "band", bandText(t));
    setText(result.fields, "column",
            std::string(kou ? "甲欄・扶養親族等の数" : "乙欄・従たる給与の扶養親族等") +
                std::to_string(persons) + "人");
    setText(result.fields, "tabledata", Amt(table));
    setText(result.fields, "adjustdata", Amt(adjustment));
    if (counted > 0) {
        setText(result.fields, "adjustformula",
                yen(table) + "-1,610円×" + std::to_string(counted) + "人");
    }
    result.tax = withheldTax(table - adjustment);
    return result;
}

} // namespace norvik::pending
