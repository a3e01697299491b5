#include "result/TaxResult.h"

#include <stdexcept>
#include <utility>

namespace norvik {

const Field* TaxResult::field(std::string_view id) const {
    for (const Field& f : fields) {
        if (f.id == id) {
            return &f;
        }
    }
    return nullptr;
}

const std::string& TaxResult::text(std::string_view id) const {
    if (const Field* f = field(id)) {
        return f->text;
    }
    throw std::out_of_range("no result field " + std::string(id));
}

std::vector<Field> emptyFields(std::span<const FieldSpec> specs) {
    std::vector<Field> fields;
    fields.reserve(specs.size());
    for (const FieldSpec& declaration : specs) {
        fields.push_back(Field{declaration.id, declaration.caption, declaration.formula, {}});
    }
    return fields;
}

std::vector<Field> clearedFields(std::span<const FieldSpec> specs) {
    std::vector<Field> fields;
    for (const FieldSpec& declaration : specs) {
        if (!declaration.legend) {
            fields.push_back(Field{declaration.id, declaration.caption, declaration.formula,
                                   declaration.formula ? "" : "0"});
        }
    }
    return fields;
}

const FieldSpec* findField(std::span<const FieldSpec> specs, std::string_view id) {
    for (const FieldSpec& declaration : specs) {
        if (declaration.id == id) {
            return &declaration;
        }
    }
    return nullptr;
}

void setText(std::vector<Field>& fields, std::string_view id, std::string text) {
    for (Field& f : fields) {
        if (f.id == id) {
            f.text = std::move(text);
            return;
        }
    }
    throw std::logic_error("undeclared result field " + std::string(id));
}

TaxResult refusedResult(RulesUsed rules, Refusal refusal) {
    TaxResult result;
    result.rules = rules;
    result.refusal = std::move(refusal);
    return result;
}

} // namespace norvik
