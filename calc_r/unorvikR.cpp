#include "calc_r/unorvikR.h"

#include "calc_r/computation/PaymentPeriod.h"
#include "calc_r/computation/WindowRequest.h"
#include "controls/winxp/WinXP.h"
#include "money/AmountText.h"

#include <QButtonGroup>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

#include <array>

namespace norvik {

namespace {

constexpr QSize kClientSize(814, 669);

int pressedKey(const QEvent* event) {
    return event->type() == QEvent::KeyPress ? static_cast<const QKeyEvent*>(event)->key() : 0;
}

} // namespace

// Every field the window shows: the declared fields of both methods, then the tax in the large
// field, the other method's line and the line naming the tables used, which stays when the clerk
// clears, as the siblings' legends do. What clears to "0" is what the layout shows as an amount,
// right-aligned; a band or a column is a text and clears to nothing, as a formula does.
std::vector<FieldSpec> TfnorvikR::shownFields() const {
    std::vector<FieldSpec> shown = windowFields();
    shown.push_back({"alldata", "税額"});
    shown.push_back({"othermethod", "もう一方の求め方による税額", true});
    shown.push_back({"rulesused", "計算に使った税額表と求め方", true, true});
    for (FieldSpec& declaration : shown) {
        const auto* label = findChild<QLabel*>(QString::fromUtf8(declaration.id));
        declaration.formula = label == nullptr || (label->alignment() & Qt::AlignRight) == 0;
    }
    return shown;
}

TfnorvikR::TfnorvikR(HelpOpener& helpOpener, QWidget* parent)
    : CalculatorForm(helpOpener, parent) {
    setupUi(this);
    fields_ = shownFields();

    RadioGroup2Items = new QButtonGroup(this);
    RadioGroup2Items->addButton(RadioGroup2Item0, 0);
    RadioGroup2Items->addButton(RadioGroup2Item1, 1);
    RadioGroup3Items = new QButtonGroup(this);
    RadioGroup3Items->addButton(RadioGroup3Item0, 0);
    RadioGroup3Items->addButton(RadioGroup3Item1, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addActions({N1, Clear1, N2});

    WinXP1 = new TWinXP(this);

    DateTimePicker1->setDate(QDate::currentDate());
    // Enter and Tab in the date move on as in the edits; Enter on a choice computes, as the
    // last input of the request.
    const std::array<QWidget*, 5> watched{DateTimePicker1, RadioGroup2Item0, RadioGroup2Item1,
                                          RadioGroup3Item0, RadioGroup3Item1};
    for (QWidget* input : watched) {
        input->installEventFilter(this);
    }
    DateTimePicker1Change();

    finishSetUp(kClientSize, PopupMenu1, {NValEdit3, NValEdit4});
}

void TfnorvikR::connectHandlers() {
    connect(IconButton4, &TIconButton::OnClick, this, &TfnorvikR::IconButton4Click);
    connect(N1, &QAction::triggered, this, &TfnorvikR::N1Click);
    connect(NValEdit4, &TNValEdit::OnKeyPress, this, &TfnorvikR::NValEdit4KeyPress);
    connect(IconButton13, &TIconButton::OnClick, this, &TfnorvikR::IconButton13Click);
    connect(Clear1, &QAction::triggered, this, &TfnorvikR::Clear1Click);
    connect(IconButton8, &TIconButton::OnClick, this, &TfnorvikR::IconButton8Click);
    connect(IconButton7, &TIconButton::OnClick, this, &TfnorvikR::IconButton7Click);
    connect(N2, &QAction::triggered, this, &TfnorvikR::N2Click);
    connect(DateTimePicker1, &QDateEdit::dateChanged, this, &TfnorvikR::DateTimePicker1Change);
    connect(RadioGroup2Items, &QButtonGroup::idToggled, this, &TfnorvikR::RadioGroup2Click);
}

WindowRequest TfnorvikR::enteredRequest() const {
    WindowRequest request;
    request.paymentDate = DateTimePicker1->date().toString(Qt::ISODate).toStdString();
    request.salary = {NValEdit3->Value(), NValEdit3->Text().toStdString()};
    request.persons = {NValEdit4->Value(), NValEdit4->Text().toStdString()};
    request.column = RadioGroup2Items->checkedId() == 1 ? TaxColumn::Otsu : TaxColumn::Kou;
    request.method =
        RadioGroup3Items->checkedId() == 1 ? TaxMethod::ComputerProvision : TaxMethod::MonthlyTable;
    return request;
}

// The chosen method's fields after every field of the window is emptied, so that nothing of an
// earlier request or of the other method stays on display.
TaxResult TfnorvikR::compute() const {
    const WindowRequest request = enteredRequest();
    WindowAnswer answer = answerRequest(request);
    if (answer.result.refused()) {
        return std::move(answer.result);
    }
    TaxResult shown = answer.result;
    shown.fields.clear();
    for (const FieldSpec& declaration : fields_) {
        shown.fields.push_back({declaration.id, declaration.caption, declaration.formula,
                                declaration.formula ? "" : "0"});
    }
    shown.fields.insert(shown.fields.end(), answer.result.fields.begin(),
                        answer.result.fields.end());
    shown.fields.push_back({"alldata", "税額", false, amountText(*answer.result.tax)});
    shown.fields.push_back({"othermethod", {}, true, answer.otherMethod});
    shown.fields.push_back({"rulesused", {}, true, methodLine(request, answer.result)});
    return shown;
}

std::span<const FieldSpec> TfnorvikR::fields() const {
    return fields_;
}

bool TfnorvikR::eventFilter(QObject* watched, QEvent* event) {
    const int key = pressedKey(event);
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == DateTimePicker1 && (enter || key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
        // Tab leaves the date as it leaves every input, instead of stepping through its parts.
        focusNextPrevChild(key != Qt::Key_Backtab);
        return true;
    }
    if (enter) {
        Calculate();
        return true;
    }
    return TForm::eventFilter(watched, event);
}

void TfnorvikR::DateTimePicker1Change() {
    const PeriodChoice period =
        periodOfPaymentDate(DateTimePicker1->date().toString(Qt::ISODate).toStdString());
    PeriodName->setText(period.rules ? QString::fromUtf8(ruleSetName(*period.rules))
                                     : QStringLiteral("対象外の支給日"));
}

void TfnorvikR::RadioGroup2Click() {
    // Column 乙 has only the monthly table.
    RadioGroup3->setEnabled(RadioGroup2Items->checkedId() == 0);
}

void TfnorvikR::IconButton4Click() {
    Calculate();
}

void TfnorvikR::N1Click() {
    Calculate();
}

void TfnorvikR::NValEdit4KeyPress(TNValEdit* /*Sender*/, char& Key) {
    if (Key == '\r') {
        Calculate();
    }
}

void TfnorvikR::IconButton13Click() {
    ClearAll();
}

void TfnorvikR::Clear1Click() {
    ClearAll();
}

void TfnorvikR::IconButton8Click() {
    openHelp();
}

void TfnorvikR::IconButton7Click() {
    close();
}

void TfnorvikR::N2Click() {
    close();
}

} // namespace norvik
