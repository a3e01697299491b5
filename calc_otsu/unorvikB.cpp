#include "calc_otsu/unorvikB.h"

#include "calc_otsu/computation/OtsuComputation.h"
#include "controls/forms/HelpFile.h"
#include "controls/forms/HelpOpener.h"
#include "controls/winxp/TXPManifest.h"

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace norvik {

namespace {

constexpr QSize kClientSize(720, 739);

} // namespace

TfnorvikB::TfnorvikB(HelpOpener& helpOpener, QWidget* parent)
    : TForm(parent)
    , helpOpener_(helpOpener) {
    setupUi(this);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addActions({N1, Clear1, N2});
    NValEdit3->setPopupMenu(PopupMenu1);
    NValEdit4->setPopupMenu(PopupMenu1);

    XPManifest1 = new TXPManifest(this);

    finishLoading(kClientSize, PopupMenu1);
    connectHandlers();
    NValEdit3->setFocus();
}

void TfnorvikB::connectHandlers() {
    connect(IconButton7, &TIconButton::OnClick, this, &TfnorvikB::IconButton7Click);
    connect(N1, &QAction::triggered, this, &TfnorvikB::N1Click);
    connect(NValEdit4, &norvik::TNValEdit::OnKeyPress, this, &TfnorvikB::NValEdit4KeyPress);
    connect(IconButton3, &TIconButton::OnClick, this, &TfnorvikB::IconButton3Click);
    connect(Clear1, &QAction::triggered, this, &TfnorvikB::Clear1Click);
    connect(IconButton6, &TIconButton::OnClick, this, &TfnorvikB::IconButton8Click);
    connect(IconButton5, &TIconButton::OnClick, this, &TfnorvikB::IconButton5Click);
    connect(N2, &QAction::triggered, this, &TfnorvikB::N2Click);
}

void TfnorvikB::Calculate() {
    const OtsuResult result = computeOtsu(NValEdit3->Value(), NValEdit4->Value());
    if (result.refusal) {
        showRefusal(QString::fromStdString(result.refusal->title),
                    QString::fromStdString(result.refusal->message));
        return;
    }
    showFields(result.fields);
}

void TfnorvikB::showRefusal(const QString& title, const QString& message) {
    QMessageBox box(QMessageBox::Information, title, message, QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("RefusalBox"));
    // Without an icon on OK, as a Windows message box shows it. The style's button icon would
    // be loaded anew for every box, and what Qt loads for an icon stays in memory.
    box.addButton(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

void TfnorvikB::ClearAll() {
    NValEdit3->setValue(0);
    NValEdit4->setValue(0);
    showFields(clearedFields(otsuFields()));
    NValEdit3->setFocus();
}

void TfnorvikB::FormShow() {
    showTodayInStatusBar();
}

void TfnorvikB::IconButton7Click() {
    Calculate();
}

void TfnorvikB::N1Click() {
    Calculate();
}

void TfnorvikB::NValEdit4KeyPress(norvik::TNValEdit* /*Sender*/, char& Key) {
    if (Key == '\r') {
        Calculate();
    }
}

void TfnorvikB::IconButton3Click() {
    ClearAll();
}

void TfnorvikB::Clear1Click() {
    ClearAll();
}

void TfnorvikB::IconButton8Click() {
    helpOpener_.open(helpFileBesideProgram());
}

void TfnorvikB::IconButton5Click() {
    close();
}

void TfnorvikB::N2Click() {
    close();
}

} // namespace norvik
