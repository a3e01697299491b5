#include "money/FieldTexts.h"

#include <cassert>
#include <stdexcept>
#include <tuple>

namespace norvik {

std::size_t FieldTexts::indexOf(std::string_view field) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].first == field) {
            return i;
        }
    }
    return npos;
}

void FieldTexts::set(std::string_view field, std::string text) {
    const std::size_t index = indexOf(field);
    if (index != npos) {
        fields_[index].second = std::move(text);
        return;
    }
    add(field, std::move(text));
}

void FieldTexts::add(std::string_view field, std::string text) {
    assert(!contains(field));
    fields_.emplace_back(std::piecewise_construct, std::forward_as_tuple(field),
                         std::forward_as_tuple(std::move(text)));
}

bool FieldTexts::contains(std::string_view field) const {
    return indexOf(field) != npos;
}

const std::string& FieldTexts::at(std::string_view field) const {
    const std::size_t index = indexOf(field);
    if (index == npos) {
        throw std::out_of_range("no display field named " + std::string(field));
    }
    return fields_[index].second;
}

} // namespace norvik
