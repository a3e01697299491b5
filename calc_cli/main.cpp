#include "calc_cli/CommandLine.h"

#include <iostream>

int main(int argc, char** argv) {
    return norvik::CommandLine(std::cerr).run(argc, argv);
}
