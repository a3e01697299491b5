#pragma once

#include "controls/forms/TForm.h"

#include "ui_unorvikB.h"

class QMenu;

namespace norvik {
class HelpOpener;
class TXPManifest;

// The column-乙 window: salary and dependents in; the tax on the secondary salary with both
// intermediate taxes and the base-amount working, or the refusal of a salary outside the range
// the method covers. The handlers only call Calculate and ClearAll, close the window or open
// help.
class TfnorvikB : public TForm, private Ui::TfnorvikB {
    Q_OBJECT

public:
    explicit TfnorvikB(HelpOpener& helpOpener, QWidget* parent = nullptr);

    void Calculate();
    void ClearAll();

protected:
    void FormShow() override;

private:
    void IconButton7Click();
    void N1Click();
    void NValEdit4KeyPress(norvik::TNValEdit* Sender, char& Key);
    void IconButton3Click();
    void Clear1Click();
    void IconButton8Click();
    void IconButton5Click();
    void N2Click();

    void connectHandlers();
    void showRefusal(const QString& title, const QString& message);

    QMenu* PopupMenu1 = nullptr;
    TXPManifest* XPManifest1 = nullptr;
    HelpOpener& helpOpener_;
};

} // namespace norvik
