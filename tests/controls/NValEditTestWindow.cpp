#include "NValEditTestWindow.h"

#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace norvik {

NValEditTestWindow::NValEditTestWindow(bool withShortcuts) {
    auto* layout = new QVBoxLayout(this);
    first = new TNValEdit(this);
    second = new TNValEdit(this);
    third = new QPushButton("ok", this);
    for (TNValEdit* box : {first, second}) {
        box->setZeroDisplay(true);
        box->setEnterNext(true);
        box->Loaded();
        layout->addWidget(box);
    }
    layout->addWidget(third);
    if (withShortcuts) {
        addShortcut(Qt::Key_F5, computed);
        addShortcut(Qt::Key_Escape, cleared);
        addShortcut(Qt::Key_End, closed);
    }
}

bool NValEditTestWindow::showActive() {
    show();
    activateWindow();
    return QTest::qWaitForWindowActive(this);
}

void NValEditTestWindow::keyPressEvent(QKeyEvent* event) {
    keysReachingWindow.push_back(event->key());
}

void NValEditTestWindow::addShortcut(Qt::Key key, int& counter) {
    auto* action = new QAction(this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [&counter] { ++counter; });
    addAction(action);
}

} // namespace norvik
