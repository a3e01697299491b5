#include "controls/ResultFields.h"

#include <QLabel>

#include <stdexcept>

void ResultFields::add(std::string_view name, QLabel* field) {
    fields_.emplace_back(std::string(name), field);
}

QLabel* ResultFields::find(std::string_view name) const {
    for (const auto& [fieldName, field] : fields_) {
        if (fieldName == name) {
            return field;
        }
    }
    throw std::logic_error("the window has no display field " + std::string(name));
}

void ResultFields::write(const norvik::FieldTexts& texts) const {
    for (const auto& [name, text] : texts) {
        find(name)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
}
