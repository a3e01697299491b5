#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace norvik {

// The texts of one computation, each addressed to the display field that shows it, in the
// order in which the computation writes them. Names and texts share one buffer, so a whole
// result set costs a single allocation however many formulas it holds.
class FieldTexts {
    struct Entry {
        std::uint32_t nameBegin, nameLength, textBegin, textLength;
    };

public:
    using Field = std::pair<std::string_view, std::string_view>; // field name, text

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Field;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Field;

        struct Arrow {
            Field field;
            const Field* operator->() const { return &field; }
        };

        const_iterator() = default;
        Field operator*() const { return owner_->fieldAt(index_); }
        Arrow operator->() const { return Arrow{**this}; }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++index_;
            return before;
        }
        friend bool operator==(const const_iterator&, const const_iterator&) = default;

    private:
        friend class FieldTexts;
        const_iterator(const FieldTexts* owner, std::size_t index)
            : owner_(owner)
            , index_(index) {}

        const FieldTexts* owner_ = nullptr;
        std::size_t index_ = 0;
    };

    void reserve(std::size_t fields, std::size_t textBytes) {
        entries_.reserve(fields);
        storage_.reserve(textBytes);
    }

    // Writes a field's text; writing a field again replaces its text.
    void set(std::string_view field, std::string_view text);

    // Writes the text of a field that the set does not hold yet, joined from its parts. The
    // computations write each field once, straight into the shared buffer.
    template <typename... Parts>
    void add(std::string_view field, const Parts&... parts) {
        const std::size_t textBegin = storage_.size();
        (storage_.append(std::string_view(parts)), ...);
        addEntry(field, textBegin);
    }

    bool contains(std::string_view field) const;

    // The text of a field; throws std::out_of_range for a field the set does not hold.
    std::string_view at(std::string_view field) const;

    std::size_t size() const { return entries_.size(); }
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, entries_.size()); }

    friend bool operator==(const FieldTexts& a, const FieldTexts& b);

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    void addEntry(std::string_view field, std::size_t textBegin);
    std::size_t indexOf(std::string_view field) const;
    Field fieldAt(std::size_t index) const;

    std::string storage_;
    std::vector<Entry> entries_;
};

} // namespace norvik
