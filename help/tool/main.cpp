// Writes the help's page sources into a folder with the pieces that come from the program put
// in: the tables' rows and the worked examples, computed by the very code the calculators run.
//
//     norvik_help_pages OUTPUT_DIR SOURCE_FILE...

#include "help/tool/Fragments.h"
#include "help/tool/PageExpander.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: norvik_help_pages OUTPUT_DIR SOURCE_FILE...\n";
        return 2;
    }
    try {
        norvik::help::Fragments fragments;
        norvik::help::addKouFragments(fragments);
        norvik::help::addOtsuFragments(fragments);
        norvik::help::addReiwaFragments(fragments);
        norvik::help::addBonusFragments(fragments);
        const norvik::help::PageExpander expander(fragments);

        const std::filesystem::path outputDir = argv[1];
        std::filesystem::create_directories(outputDir);
        for (int i = 2; i < argc; ++i) {
            const std::filesystem::path source = argv[i];
            try {
                writeFile(outputDir / source.filename(), expander.expand(readFile(source)));
            } catch (const std::runtime_error& error) {
                throw std::runtime_error(source.string() + ": " + error.what());
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "norvik_help_pages: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
