#include "calc_r/unorvikR.h"

#include "calc_r/computation/PaymentPeriod.h"
#include "calc_r/computation/WindowRequest.h"
#include "controls/forms/HelpFile.h"
#include "controls/forms/HelpOpener.h"
#include "controls/winxp/WinXP.h"
#include "money/AmountText.h"

#include <QButtonGroup>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <array>

namespace norvik {

namespace {

constexpr QSize kClientSize(814, 669);

int pressedKey(const QEvent* event) {
    return event->type() == QEvent::KeyPress ? static_cast<const QKeyEvent*>(event)->key() : 0;
}

} // namespace

// Every field of both methods as before the first request: the amounts (right-aligned in the
// layout, as the family shows amounts) at zero, every other text empty. A legend keeps its text
// when the clerk clears, as the siblings' legends do; the line naming the tables used is one.
std::vector<Field> TfnorvikR::emptiedFields(bool legendsToo) const {
    std::vector<Field> fields{{"alldata", {}, false, "0"}, {"othermethod", {}, true, {}}};
    for (const FieldSpec& spec : windowFields()) {
        if (spec.legend && !legendsToo) {
            continue;
        }
        const auto* label = findChild<QLabel*>(QString::fromUtf8(spec.id));
        const bool amount = label != nullptr && (label->alignment() & Qt::AlignRight) != 0;
        fields.push_back({spec.id, spec.caption, spec.formula, amount ? "0" : ""});
    }
    return fields;
}

TfnorvikR::TfnorvikR(HelpOpener& helpOpener, QWidget* parent)
    : TForm(parent)
    , helpOpener_(helpOpener) {
    setupUi(this);

    RadioGroup2Items = new QButtonGroup(this);
    RadioGroup2Items->addButton(RadioGroup2Item0, 0);
    RadioGroup2Items->addButton(RadioGroup2Item1, 1);
    RadioGroup3Items = new QButtonGroup(this);
    RadioGroup3Items->addButton(RadioGroup3Item0, 0);
    RadioGroup3Items->addButton(RadioGroup3Item1, 1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addActions({N1, Clear1, N2});
    NValEdit3->setPopupMenu(PopupMenu1);
    NValEdit4->setPopupMenu(PopupMenu1);

    WinXP1 = new TWinXP(this);

    DateTimePicker1->setDate(QDate::currentDate());
    // Enter and Tab in the date move on as in the edits; Enter on a choice computes, as the
    // last input of the request.
    const std::array<QWidget*, 5> watched{DateTimePicker1, RadioGroup2Item0, RadioGroup2Item1,
                                          RadioGroup3Item0, RadioGroup3Item1};
    for (QWidget* input : watched) {
        input->installEventFilter(this);
    }

    finishLoading(kClientSize, PopupMenu1);
    connectHandlers();
    DateTimePicker1Change();
    NValEdit3->setFocus();
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

void TfnorvikR::Calculate() {
    const WindowRequest request = enteredRequest();
    const WindowAnswer answer = answerRequest(request);
    const TaxResult& result = answer.result;
    if (result.refused()) {
        showRefusal(QString::fromStdString(result.refusal->title),
                    QString::fromStdString(result.refusal->message));
        return;
    }
    showFields(emptiedFields(true));
    showFields(result.fields);
    showFields({{"alldata", {}, false, Amt(*result.tax)},
                {"othermethod", {}, true, answer.otherMethod},
                {"rulesused", {}, true, methodLine(request, result)}});
}

void TfnorvikR::showRefusal(const QString& title, const QString& message) {
    QMessageBox box(QMessageBox::Information, title, message, QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("RefusalBox"));
    box.addButton(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

void TfnorvikR::ClearAll() {
    NValEdit3->setValue(0);
    NValEdit4->setValue(0);
    showFields(emptiedFields(false));
    NValEdit3->setFocus();
}

void TfnorvikR::FormShow() {
    showTodayInStatusBar();
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
    helpOpener_.open(helpFileBesideProgram());
}

void TfnorvikR::IconButton7Click() {
    close();
}

void TfnorvikR::N2Click() {
    close();
}

} // namespace norvik
