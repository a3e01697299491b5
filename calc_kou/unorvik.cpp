#include "calc_kou/unorvik.h"

#include "calc_kou/KouComputation.h"
#include "controls/HelpFile.h"
#include "controls/HelpOpener.h"
#include "controls/WinXP.h"

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

// What the clear button leaves: the amounts at zero and their formulas empty. The legend of the
// taxable amount stays.
ResultTexts clearedTexts() {
    return {{"alldata", "0"}, {"formula3", ""}, {"data1", "0"}, {"formula1", ""}, {"data5", "0"},
            {"formula4", ""}, {"data2", "0"},   {"data3", "0"}, {"formula2", ""}};
}

} // namespace

TfTfnorvik(HelpOpener& helpOpener, QWidget* parent)
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

void TfconnectHandlers() {
    connect(IconButton4, &TIconButton::OnClick, this, &TfIconButton4Click);
    connect(N1, &QAction::triggered, this, &TfN1Click);
    connect(NValEdit4, &TNValEdit::OnKeyPress, this, &TfNValEdit4KeyPress);
    connect(IconButton13, &TIconButton::OnClick, this, &TfIconButton13Click);
    connect(Clear1, &QAction::triggered, this, &TfClear1Click);
    connect(IconButton8, &TIconButton::OnClick, this, &TfIconButton8Click);
    connect(IconButton7, &TIconButton::OnClick, this, &TfIconButton7Click);
    connect(N2, &QAction::triggered, this, &TfN2Click);
}

void TfCalculate() {
    const KouInput input{NValEdit3->Value(), toStd(NValEdit3->Text()), NValEdit4->Value(),
                         toStd(NValEdit4->Text()), RadioGroup2Items->checkedId()};
    showTexts(computeKou(input).texts);
}

void TfClearAll() {
    NValEdit3->setValue(0);
    NValEdit4->setValue(0);
    showTexts(clearedTexts());
    NValEdit3->setFocus();
}

void TfFormShow() {
    setWindowTitle(kCaptionWhenShown);
    showTodayInStatusBar();
}

void TfIconButton4Click() {
    Calculate();
}

void TfN1Click() {
    Calculate();
}

void TfNValEdit4KeyPress(TNValEdit* /*Sender*/, char& Key) {
    if (Key == '\r') {
        Calculate();
    }
}

void TfIconButton13Click() {
    ClearAll();
}

void TfClear1Click() {
    ClearAll();
}

void TfIconButton8Click() {
    helpOpener_.open(helpFileBesideProgram());
}

void TfIconButton7Click() {
    close();
}

void TfN2Click() {
    close();
}

} // namespace norvik
