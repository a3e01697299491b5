#pragma once

#include "calc_cli/ResultColumns.h"
#include "calc_reiwa/RuleSet.h"
#include "result/TaxResult.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace norvik {

enum class ReportFormat { Text, Csv, Json };

// A line of the text report: a caption and its text, or a text alone.
struct ReportLine {
    std::string_view caption;
    std::string text;
};

// One request's result as the commands for one employee report it, whatever the request's kind.
// Text is for a person: a heading naming the rules, the inputs, the fields of the result with
// their captions, then the tax. CSV is the batch's row with its header; JSON carries the same.
struct ReportContent {
    RuleSet rules = RuleSet::Paid2007to2012;
    // Salaries only: the JSON's "method" and the CSV's method column.
    std::optional<TaxMethod> method;
    std::string heading; // the text's first line, before the rules' name
    std::vector<ReportLine> shownInputs;
    nlohmann::ordered_json jsonInputs = nlohmann::ordered_json::object(); // after "rules", "method"
    ResultColumns* columns = nullptr;
    std::vector<std::string_view> csvInputs; // one cell for each of the columns' input names
    const TaxResult* result = nullptr;
    // A working whose fields depend on the path taken leaves the others empty; a person need
    // not read them.
    bool leaveOutEmptyFields = false;
    // A working that ends on its own tax field needs no closing tax line.
    bool closingTaxLine = true;
};

std::string renderReport(const ReportContent& content, ReportFormat format);

// Writes the report to the file (empty: standard output), whole or not at all; throws
// std::runtime_error with the reason when it cannot.
void writeReport(const std::string& report, const std::string& output);

// Reports a computed request as the commands for one employee do: a refusal of bad input is told on
// `errors` and nothing is written; otherwise the report goes to `output`. The exit status: 0 done
// (a refusal to compute included), 1 bad input or an output that failed.
int reportResult(ReportContent content, ResultColumns& columns, const TaxResult& result,
                 ReportFormat format, const std::string& output, std::ostream& errors);

} // namespace norvik
