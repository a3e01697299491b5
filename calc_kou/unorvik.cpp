#include "calc_kou/unorvik.h"

#include "calc_kou/computation/KouComputation.h"
#include "controls/winxp/WinXP.h"

#include <QButtonGroup>
#include <QMenu>

namespace norvik {

namespace {

const QString kCaptionWhenShown =
    QStringLiteral("電算機計算の特例による源泉徴収税額算出-月額表甲欄-Kestwick-");
constexpr QSize kClientSize(814, 562);

std::string toStd(const QString& text) {
    return text.toStdString();
}

} // namespace

Tfnorvik::Tfnorvik(HelpOpener& helpOpener, QWidget* parent)
    : CalculatorForm(helpOpener, parent) {
    setupUi(this);

    RadioGroup2Items = new QButtonGroup(this);
    RadioGroup2Items->addButton(RadioGroup2Item0, 0);
    RadioGroup2Items->addButton(RadioGroup2Item1, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addActions({N1, Clear1, N2});

    WinXP1 = new TWinXP(this);

    finishSetUp(kClientSize, PopupMenu1, {NValEdit3, NValEdit4});
}

void Tfnorvik::connectHandlers() {
    connect(IconButton4, &TIconButton::OnClick, this, &Tfnorvik::IconButton4Click);
    connect(N1, &QAction::triggered, this, &Tfnorvik::N1Click);
    connect(NValEdit4, &TNValEdit::OnKeyPress, this, &Tfnorvik::NValEdit4KeyPress);
    connect(IconButton13, &TIconButton::OnClick, this, &Tfnorvik::IconButton13Click);
    connect(Clear1, &QAction::triggered, this, &Tfnorvik::Clear1Click);
    connect(IconButton8, &TIconButton::OnClick, this, &Tfnorvik::IconButton8Click);
    connect(IconButton7, &TIconButton::OnClick, this, &Tfnorvik::IconButton7Click);
    connect(N2, &QAction::triggered, this, &Tfnorvik::N2Click);
}

TaxResult Tfnorvik::compute() const {
    return computeKou({NValEdit3->Value(), toStd(NValEdit3->Text()), NValEdit4->Value(),
                       toStd(NValEdit4->Text()), RadioGroup2Items->checkedId()});
}

std::span<const FieldSpec> Tfnorvik::fields() const {
    return kouFields();
}

void Tfnorvik::FormShow() {
    setWindowTitle(kCaptionWhenShown);
    CalculatorForm::FormShow();
}

void Tfnorvik::IconButton4Click() {
    Calculate();
}

void Tfnorvik::N1Click() {
    Calculate();
}

void Tfnorvik::NValEdit4KeyPress(TNValEdit* /*Sender*/, char& Key) {
    if (Key == '\r') {
        Calculate();
    }
}

void Tfnorvik::IconButton13Click() {
    ClearAll();
}

void Tfnorvik::Clear1Click() {
    ClearAll();
}

void Tfnorvik::IconButton8Click() {
    openHelp();
}

void Tfnorvik::IconButton7Click() {
    close();
}

void Tfnorvik::N2Click() {
    close();
}

} // namespace norvik
