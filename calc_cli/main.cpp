#include "calc_cli/CommandLine.h"

#include <cstdio>
#include <ctime>
#include <iostream>

namespace {

// The clerk's calendar day, in the machine's time zone.
std::string todayOnTheClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[sizeof "YYYY-MM-DD"] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

} // namespace

int main(int argc, char** argv) {
    return norvik::CommandLine(std::cerr, todayOnTheClock).run(argc, argv);
}
