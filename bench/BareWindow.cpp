// The yardstick for start-up: an empty main window of the calculators' size, built with the
// same compiler, flags and Qt as the programs.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setFixedSize(814, 562);
    window.show();
    return app.exec();
}
