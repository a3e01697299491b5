#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace norvik {

// The texts of one computation, each addressed to the display field that shows it, in the
// order in which the computation writes them.
class FieldTexts {
public:
    using Field = std::pair<std::string, std::string>; // field name, text
    using const_iterator = std::vector<Field>::const_iterator;

    void reserve(std::size_t fields) { fields_.reserve(fields); }

    // Writes a field's text; writing a field again replaces its text in place.
    void set(std::string_view field, std::string text);

    // Writes the text of a field that the set does not hold yet. The computations write each
    // field once, and skipping the search keeps a full result set cheap.
    void add(std::string_view field, std::string text);

    bool contains(std::string_view field) const;

    // The text of a field; throws std::out_of_range for a field the set does not hold.
    const std::string& at(std::string_view field) const;

    std::size_t size() const { return fields_.size(); }
    const_iterator begin() const { return fields_.begin(); }
    const_iterator end() const { return fields_.end(); }

    friend bool operator==(const FieldTexts&, const FieldTexts&) = default;

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    std::size_t indexOf(std::string_view field) const;

    std::vector<Field> fields_;
};

} // namespace norvik
