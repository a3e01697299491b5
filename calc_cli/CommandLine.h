#pragma once

#include <ostream>

namespace norvik {

// The program's commands: `kou` and `otsu` for one employee, `bonus` for one employee's bonus,
// `batch` for a payroll CSV of salaries or of bonuses, each under the rules that --rules or
// --paid choose (the windows' rules by default).
class CommandLine {
public:
    explicit CommandLine(std::ostream& errors);

    // The exit status: 0 done, 1 bad input (nothing computed, or some rows bad), 2 a command
    // line the program does not understand.
    int run(int argc, char** argv);

private:
    std::ostream& errors_;
};

} // namespace norvik
