#pragma once

#include "controls/forms/TForm.h"
#include "result/TaxResult.h"

#include <initializer_list>
#include <span>
#include <vector>

class QMenu;

namespace norvik {
class HelpOpener;
class TNValEdit;

// What the calculator windows share: the compute, clear and help commands behind their buttons,
// menu items and keys, the set-up once the layout is read, today's date when shown, and writing
// a result into the display fields by id or showing its refusal in an information box. A window
// says how it reads its inputs and which computation it calls; its handlers keep the names of
// its layout's controls and only call Calculate, ClearAll, openHelp or close.
class CalculatorForm : public TForm {
    Q_OBJECT

public:
    // Computes from the inputs and shows the result, or its refusal.
    void Calculate();
    // Every edit back to 0, every amount to "0" and every formula empty (legends stay), the focus
    // in the first edit.
    void ClearAll();

protected:
    explicit CalculatorForm(HelpOpener& helpOpener, QWidget* parent = nullptr);

    // Completes the form once its layout is read: the popup menu on every numeric edit, the form
    // base's after-load steps (`finishLoading`), the window's own handlers, and the focus in the
    // first edit. `edits` in the order of the request, the first one where the focus starts.
    void finishSetUp(QSize clientSize, QMenu* popupMenu, std::initializer_list<TNValEdit*> edits);

    // Wires the layout's controls to the window's handlers.
    virtual void connectHandlers() = 0;
    // Reads the inputs and runs the window's computation.
    virtual TaxResult compute() const = 0;
    // The fields the computation declares, which clearing resets.
    virtual std::span<const FieldSpec> fields() const = 0;

    void openHelp();
    // Shows today's date in the status bar.
    void FormShow() override;

private:
    void showResult(const TaxResult& result);
    void showRefusal(const Refusal& refusal);

    HelpOpener& helpOpener_;
    std::vector<TNValEdit*> edits_;
};

} // namespace norvik
