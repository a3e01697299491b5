#include "calc_otsu/unorvikB.h"

#include "calc_otsu/computation/OtsuComputation.h"
#include "controls/winxp/TXPManifest.h"

#include <QMenu>

namespace norvik {

namespace {

constexpr QSize kClientSize(720, 739);

} // namespace

TfnorvikB::TfnorvikB(HelpOpener& helpOpener, QWidget* parent)
    : CalculatorForm(helpOpener, parent) {
    setupUi(this);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addActions({N1, Clear1, N2});

    XPManifest1 = new TXPManifest(this);

    finishSetUp(kClientSize, PopupMenu1, {NValEdit3, NValEdit4});
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

TaxResult TfnorvikB::compute() const {
    return computeOtsu(NValEdit3->Value(), NValEdit4->Value());
}

std::span<const FieldSpec> TfnorvikB::fields() const {
    return otsuFields();
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
    openHelp();
}

void TfnorvikB::IconButton5Click() {
    close();
}

void TfnorvikB::N2Click() {
    close();
}

} // namespace norvik
