#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace norvik {

// Today's date as YYYY-MM-DD: the program reads the clock, a test names the day.
using TodayProvider = std::function<std::string()>;

// The program's commands: `kou` and `otsu` for one employee, `bonus` for one employee's bonus,
// `batch` for a payroll CSV of salaries or of bonuses, each under the rules that --rules or
// --paid choose, or else the rules in force today; salaries by the method --method chooses.
class CommandLine {
public:
    CommandLine(std::ostream& errors, TodayProvider today);

    // The exit status: 0 done, 1 bad input (nothing computed, or some rows bad), 2 a command
    // line the program does not understand.
    int run(int argc, char** argv);

private:
    std::ostream& errors_;
    TodayProvider today_;
};

} // namespace norvik
