#pragma once

#include "controls/nvaledit/NValEdit.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

#include <vector>

namespace norvik {

// A window like the calculators': two numeric edits configured as theirs (ZeroDisplay,
// EnterNext), a third control to move to, and optionally the window-wide F5, Esc and End
// shortcuts. It records the keys that reach the window itself.
class NValEditTestWindow : public QWidget {
public:
    explicit NValEditTestWindow(bool withShortcuts = true);

    // Shows the window and makes it the active one; false when the platform refused.
    bool showActive();

    TNValEdit* first = nullptr;
    TNValEdit* second = nullptr;
    QWidget* third = nullptr;
    int computed = 0; // F5
    int cleared = 0;  // Esc
    int closed = 0;   // End
    std::vector<int> keysReachingWindow;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addShortcut(Qt::Key key, int& counter);
};

} // namespace norvik
