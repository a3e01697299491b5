#include "controls/nvaledit/NValEditMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace norvik {

void TNValEditMessageBox::beep() {
    QApplication::beep();
}

void TNValEditMessageBox::showMessage(const std::string& message) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                    QString::fromStdString(message), QMessageBox::Ok);
    box.exec();
}

} // namespace norvik
