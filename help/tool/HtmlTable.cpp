#include "help/tool/HtmlTable.h"

#include "help/tool/HtmlText.h"

#include <stdexcept>
#include <utility>

namespace norvik::help {

HtmlTable::HtmlTable(std::vector<std::string> headings)
    : headings_(std::move(headings)) {}

void HtmlTable::addRow(std::vector<Cell> cells) {
    if (cells.size() != headings_.size()) {
        throw std::logic_error("a help table row has the wrong number of cells");
    }
    rows_.push_back(std::move(cells));
}

std::string HtmlTable::html() const {
    std::string out = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n<tr>";
    for (const std::string& heading : headings_) {
        out += "<th>" + escapeHtml(heading) + "</th>";
    }
    out += "</tr>\n";
    for (const auto& row : rows_) {
        out += "<tr>";
        for (const Cell& cell : row) {
            out += "<td";
            if (cell.number) {
                out += " align=\"right\"";
            }
            if (!cell.id.empty()) {
                out += " id=\"" + escapeHtml(cell.id) + "\"";
            }
            out += ">" + escapeHtml(cell.text) + "</td>";
        }
        out += "</tr>\n";
    }
    out += "</table>";
    return out;
}

} // namespace norvik::help
