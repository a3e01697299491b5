#pragma once

#include <QApplication>

namespace norvik {

// The application object of both calculators: named after the program's title and with the
// Windows Japanese fonts of the layouts mapped to installed ones before any window exists.
class NorvikApplication : public QApplication {
    Q_OBJECT

public:
    NorvikApplication(int& argc, char** argv, const QString& title);
};

} // namespace norvik
