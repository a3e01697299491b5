#include "calc_kou/unorvik.h"

#include "calc_kou/computation/KouComputation.h"
#include "controls/forms/HelpFile.h"
#include "controls/forms/HelpOpener.h"
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
    : TForm(parent)
    , helpOpener_(helpOpener) {
    setupUi(this);

    RadioGroup2Items = new QButtonGroup(this);
    RadioGroup2Items->addButton(RadioGroup2Item0, 0);
    RadioGroup2Items->addButton(RadioGroup2Item1, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addActions({N1, Clear1, N2});
    NValEdit3->setPopupMenu(PopupMenu1);
    NValEdit4->setPopupMenu(PopupMenu1);

    WinXP1 = new TWinXP(this);

    finishLoading(kClientSize, PopupMenu1);
    connectHandlers();
    NValEdit3->setFocus();
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

void Tfnorvik::Calculate() {
    const KouInput input{NValEdit3->Value(), toStd(NValEdit3->Text()), NValEdit4->Value(),
                         toStd(NValEdit4->Text()), RadioGroup2Items->checkedId()};
    showFields(computeKou(input).fields);
}

void Tfnorvik::ClearAll() {
    NValEdit3->setValue(0);
    NValEdit4->setValue(0);
    showFields(clearedFields(kouFields()));
    NValEdit3->setFocus();
}

void Tfnorvik::FormShow() {
    setWindowTitle(kCaptionWhenShown);
    showTodayInStatusBar();
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
    helpOpener_.open(helpFileBesideProgram());
}

void Tfnorvik::IconButton7Click() {
    close();
}

void Tfnorvik::N2Click() {
    close();
}

} // namespace norvik
