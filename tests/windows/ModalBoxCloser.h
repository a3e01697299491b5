#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace norvik {

// Reads and closes the next modal message box while it lives, so that a test that makes the
// window show one never waits for a person to press OK.
class ModalBoxCloser {
public:
    ModalBoxCloser() {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { closeIfShown(); });
        poll_.start();
    }

    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;

private:
    void closeIfShown() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || seen) {
            return;
        }
        seen = true;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        for (const QAbstractButton* button : box->buttons()) {
            buttons << button->text();
        }
        box->accept();
    }

    QTimer poll_;
};

} // namespace norvik
