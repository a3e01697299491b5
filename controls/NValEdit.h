#pragma once

#include "controls/NValEditCore.h"
#include "controls/NValEditMessageBox.h"
#include "controls/TColor.h"
#include "money/Extended.h"

#include <QLineEdit>
#include <QMenu>
#include <QPointer>

// A one-line, right-aligned box for a single number, typed calculator-style: digits always
// extend the number at its right end, the text is rendered again from the number after every
// keystroke. The rules live in norvik::NValEditCore; this class carries Qt's events to it and
// its requests to the screen, and keeps every other path that would change the text (the
// edit's own key handling, the X11 selection paste, drag and drop, the input method, the
// edit's context menu) shut.
//
// Forms built from a .ui file call Loaded() after setupUi(); a box created in code renders
// first when Value, or a property that renders, is first assigned.
class TNValEdit : public QLineEdit, private norvik::NValEditRequests {
    Q_OBJECT
    Q_PROPERTY(int MaxDigits READ MaxDigits WRITE setMaxDigits)
    Q_PROPERTY(bool PrmtNegative READ PrmtNegative WRITE setPrmtNegative)
    Q_PROPERTY(int FixDecimal READ FixDecimal WRITE setFixDecimal)
    Q_PROPERTY(bool DelAllClear READ DelAllClear WRITE setDelAllClear)
    Q_PROPERTY(QChar LeadingChar READ LeadingChar WRITE setLeadingChar)
    Q_PROPERTY(bool ZeroDisplay READ ZeroDisplay WRITE setZeroDisplay)
    Q_PROPERTY(double Value READ ValueAsDouble WRITE setValue)
    Q_PROPERTY(bool PutAComma READ PutAComma WRITE setPutAComma)
    Q_PROPERTY(bool EnterNext READ EnterNext WRITE setEnterNext)
    Q_PROPERTY(bool ArrowNext READ ArrowNext WRITE setArrowNext)
    // A stored colour, written as the signed number a layout holds (-16777208 is clWindowText).
    Q_PROPERTY(int MinusColor READ MinusColorAsInt WRITE setMinusColor)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(QString Text READ Text)
    Q_PROPERTY(QMenu* PopupMenu READ PopupMenu WRITE setPopupMenu)

public:
    explicit TNValEdit(QWidget* parent = nullptr);
    ~TNValEdit() override;
    Q_DISABLE_COPY_MOVE(TNValEdit)

    int MaxDigits() const { return core_.MaxDigits(); }
    void setMaxDigits(int digits) { core_.SetMaxDigits(digits); }
    bool PrmtNegative() const { return core_.PrmtNegative(); }
    void setPrmtNegative(bool permitted) { core_.SetPrmtNegative(permitted); }
    int FixDecimal() const { return core_.FixDecimal(); }
    void setFixDecimal(int decimals) { core_.SetFixDecimal(decimals); }
    bool DelAllClear() const { return core_.DelAllClear(); }
    void setDelAllClear(bool clears) { core_.SetDelAllClear(clears); }
    // One Latin-1 character; anything else, or a control character, means none (a space).
    QChar LeadingChar() const { return QChar(core_.LeadingChar()); }
    void setLeadingChar(QChar c);
    bool ZeroDisplay() const { return core_.ZeroDisplay(); }
    void setZeroDisplay(bool shown) { core_.SetZeroDisplay(shown); }
    norvik::Extended Value() const { return core_.Value(); }
    void setValue(norvik::Extended value) { core_.SetValue(value); }
    double ValueAsDouble() const { return static_cast<double>(core_.Value()); }
    bool PutAComma() const { return core_.PutAComma(); }
    void setPutAComma(bool separators) { core_.SetPutAComma(separators); }
    bool EnterNext() const { return core_.EnterNext(); }
    void setEnterNext(bool moves) { core_.SetEnterNext(moves); }
    bool ArrowNext() const { return core_.ArrowNext(); }
    void setArrowNext(bool moves) { core_.SetArrowNext(moves); }
    TColor MinusColor() const { return core_.MinusColor(); }
    int MinusColorAsInt() const { return static_cast<int>(core_.MinusColor()); }
    void setMinusColor(TColor color) { core_.SetMinusColor(color); }
    bool AutoSelect() const { return core_.AutoSelect(); }
    void setAutoSelect(bool selects) { core_.SetAutoSelect(selects); }
    // Written through QLineEdit::setReadOnly; the core follows its change event.
    bool ReadOnly() const { return isReadOnly(); }
    QString Text() const { return text(); }
    QMenu* PopupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    // The font colour (the text colour of the palette), as a stored colour.
    TColor FontColor() const { return fontColor_; }
    void setFontColor(TColor color);

    // The after-load step: the first rendering, without a change event.
    void Loaded() { core_.Loaded(); }

    // In design mode invalid property values are reported (beep and message box, or a thrown
    // norvik::NValEditDesignError) instead of being corrected silently.
    void setDesignMode(bool designing) { core_.SetDesignMode(designing); }
    // Not owned; nullptr restores the message box.
    void setDesignReporter(norvik::NValEditDesignReporter* reporter);

signals:
    // Every typed character, before the box filters it; a handler may replace Key.
    void OnKeyPress(TNValEdit* Sender, char& Key);
    void OnChange(TNValEdit* Sender);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // norvik::NValEditRequests
    std::u16string CurrentText() const override;
    int SelectionStart() const override;
    int SelectionLength() const override;
    bool HasParentWindow() const override;
    void ShowText(const std::u16string& text) override;
    void CaretTo(int position) override;
    void SelectAll() override;
    void Beep() override;
    void FocusNext() override;
    void FocusPrevious() override;
    void ChangeFontColor(TColor color) override;
    void ReportChange() override;

    void TypeCharacter(char key);
    void Perform(norvik::EditCommand command);
    void PassOn(QKeyEvent* event);
    void PasteFromClipboard();
    void ApplyFontColor(TColor color);
    void PaletteChanged();

    TNValEditMessageBox messageBox_;
    norvik::NValEditCore core_;
    QPointer<QMenu> popupMenu_;
    TColor fontColor_ = clWindowText;
};
