#pragma once

#include "controls/forms/TForm.h"

#include "ui_unorvikR.h"

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
class TfnorvikR : public TForm, private Ui::TfnorvikR {
    Q_OBJECT

public:
    explicit TfnorvikR(HelpOpener& helpOpener, QWidget* parent = nullptr);

    void Calculate();
    void ClearAll();

protected:
    void FormShow() override;
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

    void connectHandlers();
    WindowRequest enteredRequest() const;
    std::vector<Field> emptiedFields(bool legendsToo) const;
    void showRefusal(const QString& title, const QString& message);

    QMenu* PopupMenu1 = nullptr;
    TWinXP* WinXP1 = nullptr;
    QButtonGroup* RadioGroup2Items = nullptr;
    QButtonGroup* RadioGroup3Items = nullptr;
    HelpOpener& helpOpener_;
};

} // namespace norvik
