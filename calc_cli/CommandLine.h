#pragma once

#include "calc_cli/TaxRules.h"

#include <ostream>

namespace norvik {

// The program's commands: `kou` and `otsu` for one employee, `batch` for a payroll CSV.
class CommandLine {
public:
    CommandLine(const TaxRules& rules, std::ostream& errors);

    // The exit status: 0 done, 1 bad input (nothing computed, or some rows bad), 2 a command
    // line the program does not understand.
    int Run(int argc, char** argv);

private:
    const TaxRules& rules_;
    std::ostream& errors_;
};

} // namespace norvik
