#include "calc_form/CalculatorForm.h"

#include "controls/forms/HelpFile.h"
#include "controls/forms/HelpOpener.h"
#include "controls/nvaledit/NValEdit.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace norvik {

CalculatorForm::CalculatorForm(HelpOpener& helpOpener, QWidget* parent)
    : TForm(parent)
    , helpOpener_(helpOpener) {}

void CalculatorForm::finishSetUp(QSize clientSize, QMenu* popupMenu,
                                 std::initializer_list<TNValEdit*> edits) {
    edits_.assign(edits.begin(), edits.end());
    for (TNValEdit* edit : edits_) {
        edit->setPopupMenu(popupMenu);
    }
    finishLoading(clientSize, popupMenu);
    connectHandlers();
    edits_.front()->setFocus();
}

void CalculatorForm::Calculate() {
    showResult(compute());
}

void CalculatorForm::ClearAll() {
    for (TNValEdit* edit : edits_) {
        edit->setValue(0);
    }
    showFields(clearedFields(fields()));
    edits_.front()->setFocus();
}

void CalculatorForm::openHelp() {
    helpOpener_.open(helpFileBesideProgram());
}

void CalculatorForm::FormShow() {
    showTodayInStatusBar();
}

void CalculatorForm::showResult(const TaxResult& result) {
    if (result.refusal) {
        showRefusal(*result.refusal);
        return;
    }
    showFields(result.fields);
}

void CalculatorForm::showRefusal(const Refusal& refusal) {
    QMessageBox box(QMessageBox::Information, QString::fromStdString(refusal.title),
                    QString::fromStdString(refusal.message), QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("RefusalBox"));
    // Without an icon on OK, as a Windows message box shows it. The style's button icon would
    // be loaded anew for every box, and what Qt loads for an icon stays in memory.
    box.addButton(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

} // namespace norvik
