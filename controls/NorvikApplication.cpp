#include "controls/NorvikApplication.h"

#include "controls/JapaneseFonts.h"

NorvikApplication::NorvikApplication(int& argc, char** argv, const QString& title)
    : QApplication(argc, argv) {
    // The title names the program to the desktop (task switchers, window grouping). It is not
    // made the display name, which Qt would append to every window caption.
    setApplicationName(title);
    installJapaneseFontSubstitutes();
}
