#pragma once

// Adapter, to be deleted: the core does not yet answer the column-甲 computation since 2020 in
// the shared result shape. Until it does, this file gives the window that answer from the
// core's computation, with the captions the window shows beside each field.

#include "calc_reiwa/ReiwaKouComputation.h"
#include "calc_reiwa/RuleSet.h"
#include "result/TaxResult.h"

#include <array>

namespace norvik::pending {

inline constexpr std::array<FieldSpec, 11> kComputerProvisionFields{{
    {"formula5", "その月の課税給与所得金額の算式の項目", true},
    {"formula1", "給与所得控除額の算式", true},
    {"data1", "給与所得控除(第1表)"},
    {"data2", "配偶者控除"},
    {"data3", "扶養控除(第2表)"},
    {"formula2", "扶養控除の算式", true},
    {"data4", "基礎控除(第3表)"},
    {"data5", "課税給与所得金額"},
    {"formula3", "税額(第4表)", true},
    {"formula4", "課税給与所得金額の算式", true},
    {"alldata", "税　額"},
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

} // namespace norvik::pending
