#pragma once

#include <map>
#include <string>

namespace norvik::help {

// The pieces of the help that come from the program itself, by the marker name that stands for
// each in the page sources (<!--norvik:NAME-->).
using Fragments = std::map<std::string, std::string>;

// Tables 1 to 3 as column 甲 applies them, and its worked example.
void addKouFragments(Fragments& fragments);

// The step bands, tables 1 and 3 as column 乙 applies them, the accepted range, the refusal and
// the worked example.
void addOtsuFragments(Fragments& fragments);

// The worked examples of the window for today's withholding: column 甲 by the monthly table and
// by the computer provision, and column 乙, each as the window shows it.
void addReiwaFragments(Fragments& fragments);

} // namespace norvik::help
