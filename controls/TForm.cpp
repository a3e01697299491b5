#include "controls/TForm.h"

#include "controls/IconBtn.h"
#include "controls/LayoutFonts.h"
#include "controls/NValEdit.h"

#include <QContextMenuEvent>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>

TForm::TForm(QWidget* parent)
    : QMainWindow(parent) {
    // The icons and the panel bitmap live in the control library, which is linked statically,
    // so its resources are registered by hand.
    Q_INIT_RESOURCE(norvik);
}

QString TForm::statusPanelText() const {
    return statusPanel_ != nullptr ? statusPanel_->text() : QString();
}

void TForm::finishLoading(QSize clientSize, QMenu* popupMenu) {
    setFixedSize(clientSize);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    applyLayoutFonts(this);
    runAfterLoadSteps();

    popupMenu_ = popupMenu;
    if (popupMenu_ != nullptr) {
        // Added to the form too, so their shortcuts act wherever the focus is in the window.
        addActions(popupMenu_->actions());
    }
    if (QStatusBar* bar = findChild<QStatusBar*>()) {
        statusPanel_ = new QLabel(bar);
        statusPanel_->setObjectName(QStringLiteral("StatusPanel0"));
        statusPanel_->setMinimumWidth(50);
        bar->addWidget(statusPanel_, 1);
        bar->setSizeGripEnabled(false);
    }
    centreOnScreen();
}

void TForm::runAfterLoadSteps() {
    for (norvik::TNValEdit* edit : findChildren<norvik::TNValEdit*>()) {
        edit->loaded();
    }
    for (TIconButton* button : findChildren<TIconButton*>()) {
        button->Loaded();
    }
}

void TForm::showTodayInStatusBar() {
    if (statusPanel_ != nullptr) {
        statusPanel_->setText(
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    }
}

void TForm::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
}

void TForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TForm::contextMenuEvent(QContextMenuEvent* event) {
    if (popupMenu_ != nullptr) {
        popupMenu_->popup(event->globalPos());
        event->accept();
        return;
    }
    QMainWindow::contextMenuEvent(event);
}
