#include "money/FieldTexts.h"

#include <algorithm>
#include <cassert>
#include <stdexcept>

namespace norvik {

FieldTexts::Field FieldTexts::fieldAt(std::size_t index) const {
    const Entry& e = entries_[index];
    const std::string_view all(storage_);
    return {all.substr(e.nameBegin, e.nameLength), all.substr(e.textBegin, e.textLength)};
}

std::size_t FieldTexts::indexOf(std::string_view field) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (fieldAt(i).first == field) {
            return i;
        }
    }
    return npos;
}

void FieldTexts::addEntry(std::string_view field, std::size_t textBegin) {
    assert(!contains(field));
    const std::size_t nameBegin = storage_.size();
    storage_.append(field);
    entries_.push_back(Entry{
        static_cast<std::uint32_t>(nameBegin), static_cast<std::uint32_t>(field.size()),
        static_cast<std::uint32_t>(textBegin), static_cast<std::uint32_t>(nameBegin - textBegin)});
}

void FieldTexts::set(std::string_view field, std::string_view text) {
    const std::size_t index = indexOf(field);
    if (index == npos) {
        add(field, text);
        return;
    }
    // The old text stays behind in the buffer, unreferenced; replacing is rare.
    Entry& e = entries_[index];
    e.textBegin = static_cast<std::uint32_t>(storage_.size());
    e.textLength = static_cast<std::uint32_t>(text.size());
    storage_.append(text);
}

bool FieldTexts::contains(std::string_view field) const {
    return indexOf(field) != npos;
}

std::string_view FieldTexts::at(std::string_view field) const {
    const std::size_t index = indexOf(field);
    if (index == npos) {
        throw std::out_of_range("no display field named " + std::string(field));
    }
    return fieldAt(index).second;
}

bool operator==(const FieldTexts& a, const FieldTexts& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace norvik
