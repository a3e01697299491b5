#include "controls/forms/JapaneseFonts.h"

#include <QApplication>

#include <gtest/gtest.h>

// Runs on a real X display (the test command starts a virtual one): the viewer that the desktop
// starts needs one, and so does finding its window.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    norvik::installJapaneseFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
