#include "controls/forms/TForm.h"

#include "controls/forms/AfterLoad.h"
#include "controls/forms/LayoutFonts.h"

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

// The icons and the panel bitmap live in the control library, which is linked statically, so its
// resources are registered by hand. The macro declares the registering function where it is
// used, which must be outside any namespace.
static void registerControlResources() {
    Q_INIT_RESOURCE(norvik);
}

namespace norvik {

TForm::TForm(QWidget* parent)
    : QMainWindow(parent) {
    registerControlResources();
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
    for (QWidget* child : findChildren<QWidget*>()) {
        if (auto* control = dynamic_cast<AfterLoad*>(child)) {
            control->Loaded();
        }
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

void TForm::showFields(const std::vector<Field>& fields) {
    for (const Field& field : fields) {
        const std::string id(field.id);
        auto* label = findChild<QLabel*>(QString::fromStdString(id));
        if (label == nullptr) {
            throw std::logic_error("the window has no display field " + id);
        }
        if (field.text.empty()) {
            label->clear();
        } else {
            label->setText(QString::fromStdString(field.text));
        }
    }
}

} // namespace norvik
