#include "calc_cli/CommandLine.h"
#include "calc_cli/WindowRules.h"

#include <iostream>

int main(int argc, char** argv) {
    const norvik::WindowRules rules;
    return norvik::CommandLine(rules, std::cerr).Run(argc, argv);
}
