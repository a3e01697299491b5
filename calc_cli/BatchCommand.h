#pragma once

#include "calc_cli/Csv.h"
#include "calc_cli/Request.h"

#include <optional>
#include <ostream>
#include <string>

namespace norvik {

// What the rows of a batch are: a month's salaries, or bonuses.
enum class BatchKind { Salary, Bonus };

// `batch`: a payroll CSV and where and how its results go.
struct BatchOptions {
    BatchKind kind = BatchKind::Salary;
    std::string input = "-"; // a file name, or "-" for standard input
    std::string output;      // empty: standard output
    CsvEncoding inputEncoding = CsvEncoding::Utf8;
    std::optional<CsvEncoding> outputEncoding; // nothing: as the input came
    bool captions = false;
    bool keepGoing = false;
};

// Computes a payroll CSV row by row, each row by the computation of its kind: each row's result,
// tax and status written as it is read. The rules (and for salaries the methods) are named on
// `errors` first, so the clerk sees them before opening the result; bonuses have one method of
// their own and use the computation's rules only. Every bad row is told on `errors` with its
// line; without --keep-going a file output is thrown away when any row was bad, and standard
// output stops at the first one. The exit status: 0 when every row was good, 1 otherwise.
int runBatch(const Computation& computation, const BatchOptions& options, std::ostream& errors);

} // namespace norvik
