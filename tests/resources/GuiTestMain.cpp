#include <QGuiApplication>

#include <gtest/gtest.h>

// QIcon needs a GUI application; the tests never need a screen, so they ask for none even when
// started by hand.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
