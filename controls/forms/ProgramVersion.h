#pragma once

namespace norvik {

// Answers `--version` before any window or display is needed: prints the program's name, its
// version and its licence, and returns true when asked. `program` is the name it is started by.
bool printedVersion(int argc, char* argv[], const char* program);

} // namespace norvik
