#pragma once

#include "calc_cli/Report.h"
#include "calc_cli/Request.h"

#include <ostream>
#include <string>

namespace norvik {

// `kou` and `otsu`: one employee's request as given on the command line, its texts kept to be
// shown beside the results, and where and how the result goes.
struct SingleOptions {
    std::string column; // "kou" or "otsu"
    std::string salary;
    std::string dependents;
    std::string spouse; // column 甲 only
    ReportFormat format = ReportFormat::Text;
    std::string output; // empty: standard output
};

// Computes the request and writes its result. Text is for a person: the column, method and
// rules, the inputs with the window's labels, every field of the result in the window's order
// with the caption the window shows beside it, then the tax. CSV is the batch's row with its
// header; JSON carries the same. The exit status: 0 done (a refusal included), 1 bad input or an
// output that failed.
int runSingle(const Computation& computation, const SingleOptions& options, std::ostream& errors);

} // namespace norvik
