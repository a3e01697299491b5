#include "controls/NValEditMessageBox.h"

#include <QApplication>
#include <QMessageBox>

void TNValEditMessageBox::Beep() {
    QApplication::beep();
}

void TNValEditMessageBox::ShowMessage(const std::string& message) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                    QString::fromStdString(message), QMessageBox::Ok);
    box.exec();
}
