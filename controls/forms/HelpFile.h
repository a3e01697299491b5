#pragma once

#include <QUrl>

namespace norvik {

// The help file both calculators open: norvik.CHM in the folder that holds the program.
QUrl helpFileBesideProgram();

} // namespace norvik
