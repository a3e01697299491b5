#pragma once

#include "money/FieldTexts.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QLabel;

// The display fields of a window by the names the computations address them with. Writing a
// result set sets every named field's text; a name without a field is a programming error and
// throws, so a renamed field can never leave a stale amount on screen unnoticed.
class ResultFields {
public:
    void add(std::string_view name, QLabel* field);
    void write(const norvik::FieldTexts& texts) const;

private:
    QLabel* find(std::string_view name) const;

    std::vector<std::pair<std::string, QLabel*>> fields_;
};
