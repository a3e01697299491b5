#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace norvik::help {

// A plain bordered table, as both the Windows help viewer and xCHM print it. A cell may carry
// an id, so that a reader of the built page finds the text that stands for one display field.
class HtmlTable {
public:
    struct Cell {
        Cell(std::string cellText, std::string cellId = {}, bool isNumber = false)
            : text(std::move(cellText))
            , id(std::move(cellId))
            , number(isNumber) {}

        std::string text;
        std::string id; // empty: no id
        bool number;
    };

    explicit HtmlTable(std::vector<std::string> headings);

    void addRow(std::vector<Cell> cells);
    std::string html() const;

private:
    std::vector<std::string> headings_;
    std::vector<std::vector<Cell>> rows_;
};

} // namespace norvik::help
