#include "NValEditTestWindow.h"

#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

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
        AddShortcut(Qt::Key_F5, computed);
        AddShortcut(Qt::Key_Escape, cleared);
        AddShortcut(Qt::Key_End, closed);
    }
}

bool NValEditTestWindow::ShowActive() {
    show();
    activateWindow();
    return QTest::qWaitForWindowActive(this);
}

void NValEditTestWindow::keyPressEvent(QKeyEvent* event) {
    keysReachingWindow.push_back(event->key());
}

void NValEditTestWindow::AddShortcut(Qt::Key key, int& counter) {
    auto* action = new QAction(this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [&counter] { ++counter; });
    addAction(action);
}
