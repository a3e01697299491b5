#include <QApplication>

#include <gtest/gtest.h>

// The controls are rendered and driven without a display, so that pixels and events do not
// depend on the desktop the tests happen to run on.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
