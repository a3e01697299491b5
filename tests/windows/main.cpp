#include "controls/forms/JapaneseFonts.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace norvik {
namespace {

int runAllTests(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    norvik::installJapaneseFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

} // namespace
} // namespace norvik

int main(int argc, char* argv[]) {
    return norvik::runAllTests(argc, argv);
}
