#pragma once

#include "calc_form/CalculatorForm.h"

#include "ui_unorvikR.h"

#include <vector>

class QButtonGroup;
class QMenu;

namespace norvik {
class HelpOpener;
class TWinXP;
struct WindowRequest;

// The window for today's withholding: the payment date chooses the period's tables; salary,
// 扶養親族等 and column in, the tax of the monthly table or of the computer provision out, with
// its working and, for column 甲, the other method's tax beside it. The handlers only call
// Calculate and ClearAll, close the window or open help.
class TfnorvikR : public CalculatorForm, private Ui::TfnorvikR {
    Q_OBJECT

public:
    explicit TfnorvikR(HelpOpener& helpOpener, QWidget* parent = nullptr);

protected:
    void connectHandlers() override;
    TaxResult compute() const override;
    std::span<const FieldSpec> fields() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void IconButton4Click();
    void N1Click();
    void NValEdit4KeyPress(norvik::TNValEdit* Sender, char& Key);
    void IconButton13Click();
    void Clear1Click();
    void IconButton8Click();
    void IconButton7Click();
    void N2Click();
    void DateTimePicker1Change();
    void RadioGroup2Click();

    WindowRequest enteredRequest() const;
    std::vector<FieldSpec> shownFields() const;

    QMenu* PopupMenu1 = nullptr;
    TWinXP* WinXP1 = nullptr;
    QButtonGroup* RadioGroup2Items = nullptr;
    QButtonGroup* RadioGroup3Items = nullptr;
    // Every field either method writes and the window's own, as the layout shows them.
    std::vector<FieldSpec> fields_;
};

} // namespace norvik
