#pragma once

#include "result/TaxResult.h"

#include <QMainWindow>

class QLabel;
class QMenu;

namespace norvik {

// The base of the programs' main windows: a fixed-size, centred, white form built from a stored
// layout, with a popup menu whose shortcuts act wherever the focus is, a status bar whose first
// panel shows the date, and a show handler. Components that may only live on a form (the
// visual-style component) check their owner against this class.
class TForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm(QWidget* parent = nullptr);

    QMenu* PopupMenu() const { return popupMenu_; }

protected:
    // Completes a form after its layout has been read: the fixed client size, white background,
    // pixel font heights, each control's after-load step, the popup menu, the status-bar panel,
    // and the position at the centre of the screen.
    void finishLoading(QSize clientSize, QMenu* popupMenu);

    // Runs whenever the window is shown by the program (not when the desktop restores it).
    virtual void FormShow() {}

    void showTodayInStatusBar();

    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void centreOnScreen();
    void runAfterLoadSteps();

    QMenu* popupMenu_ = nullptr;
    QLabel* statusPanel_ = nullptr;

protected:
    // Writes each field's text to the label of the form named by its id; an empty text clears
    // the label. A field without a label is a programming error and throws std::logic_error,
    // so that a renamed label can never leave a stale amount on screen unnoticed.
    void showFields(const std::vector<Field>& fields);
};

} // namespace norvik
