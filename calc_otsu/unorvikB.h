#pragma once

#include "calc_form/CalculatorForm.h"

#include "ui_unorvikB.h"

class QMenu;

namespace norvik {
class HelpOpener;
class TXPManifest;

// The column-乙 window: salary and dependents in; the tax on the secondary salary with both
// intermediate taxes and the base-amount working, or the refusal of a salary outside the range
// the method covers. The handlers only call Calculate and ClearAll, close the window or open
// help.
class TfnorvikB : public CalculatorForm, private Ui::TfnorvikB {
    Q_OBJECT

public:
    explicit TfnorvikB(HelpOpener& helpOpener, QWidget* parent = nullptr);

protected:
    void connectHandlers() override;
    TaxResult compute() const override;
    std::span<const FieldSpec> fields() const override;

private:
    void IconButton7Click();
    void N1Click();
    void NValEdit4KeyPress(norvik::TNValEdit* Sender, char& Key);
    void IconButton3Click();
    void Clear1Click();
    void IconButton8Click();
    void IconButton5Click();
    void N2Click();

    QMenu* PopupMenu1 = nullptr;
    TXPManifest* XPManifest1 = nullptr;
};

} // namespace norvik
