#pragma once

#include <QMainWindow>

// The base of the programs' main windows: a form in the sense of the stored layouts. Components
// that may only live on a form (the visual-style component) check their owner against it.
class TForm : public QMainWindow {
    Q_OBJECT

public:
    using QMainWindow::QMainWindow;
};
