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

#include <stdexcept>

TForm::TForm(QWidget* parent)
    : QMainWindow(parent) {
    // The icons and the panel bitmap live in the control library, which is linked statically,
    // so its resources are registered by hand.
    Q_INIT_RESOURCE(norvik);
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
    for (TNValEdit* edit : findChildren<TNValEdit*>()) {
        edit->Loaded();
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

void TForm::showTexts(const norvik::ResultTexts& texts) {
    for (const auto& [field, text] : texts) {
        auto* label = findChild<QLabel*>(QString::fromStdString(field));
        if (label == nullptr) {
            throw std::logic_error("the window has no display field " + field);
        }
        if (text.empty()) {
            label->clear();
        } else {
            label->setText(QString::fromStdString(text));
        }
    }
}
