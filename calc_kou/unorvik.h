#pragma once

#include "calc_form/CalculatorForm.h"

#include "ui_unorvik.h"

class QButtonGroup;
class QMenu;

namespace norvik {
class HelpOpener;
class TWinXP;

// The column-甲 window: salary, dependents and spouse choice in; the tax and every step of its
// working out. The handlers only call Calculate and ClearAll, close the window or open help.
class Tfnorvik : public CalculatorForm, private Ui::Tfnorvik {
    Q_OBJECT

public:
    explicit Tfnorvik(HelpOpener& helpOpener, QWidget* parent = nullptr);

protected:
    void FormShow() override;
    void connectHandlers() override;
    TaxResult compute() const override;
    std::span<const FieldSpec> fields() const override;

private:
    void IconButton4Click();
    void N1Click();
    void NValEdit4KeyPress(norvik::TNValEdit* Sender, char& Key);
    void IconButton13Click();
    void Clear1Click();
    void IconButton8Click();
    void IconButton7Click();
    void N2Click();

    QMenu* PopupMenu1 = nullptr;
    TWinXP* WinXP1 = nullptr;
    QButtonGroup* RadioGroup2Items = nullptr;
};

} // namespace norvik
