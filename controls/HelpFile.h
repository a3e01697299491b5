#pragma once

#include <QUrl>

// The help file both calculators open: norvik.CHM in the folder that holds the program.
QUrl helpFileBesideProgram();
