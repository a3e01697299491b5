#pragma once

#include "controls/forms/AfterLoad.h"
#include "controls/gdi/geometry/TColor.h"
#include "controls/nvaledit/NValEditMessageBox.h"
#include "controls/nvaledit/rules/NValEditCore.h"
#include "money/Extended.h"

#include <QLineEdit>
#include <QMenu>
#include <QPointer>

namespace norvik {

// A one-line, right-aligned box for a single number, typed calculator-style: digits always
// extend the number at its right end, the text is rendered again from the number after every
// keystroke. The rules live in NValEditCore; this class carries Qt's events to it and
// its requests to the screen, and keeps every other path that would change the text (the
// edit's own key handling, the X11 selection paste, drag and drop, the input method, the
// edit's context menu) shut.
//
// Forms built from a .ui file run Loaded() after setupUi(); a box created in code renders
// first when Value, or a property that renders, is first assigned.
class TNValEdit : public QLineEdit, public AfterLoad, private NValEditRequests {
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

    int MaxDigits() const { return core_.maxDigits(); }
    void setMaxDigits(int digits) { core_.setMaxDigits(digits); }
    bool PrmtNegative() const { return core_.prmtNegative(); }
    void setPrmtNegative(bool permitted) { core_.setPrmtNegative(permitted); }
    int FixDecimal() const { return core_.fixDecimal(); }
    void setFixDecimal(int decimals) { core_.setFixDecimal(decimals); }
    bool DelAllClear() const { return core_.delAllClear(); }
    void setDelAllClear(bool clears) { core_.setDelAllClear(clears); }
    // One Latin-1 character; anything else, or a control character, means none (a space).
    QChar LeadingChar() const { return QChar(core_.leadingChar()); }
    void setLeadingChar(QChar c);
    bool ZeroDisplay() const { return core_.zeroDisplay(); }
    void setZeroDisplay(bool shown) { core_.setZeroDisplay(shown); }
    Extended Value() const { return core_.value(); }
    void setValue(Extended value) { core_.setValue(value); }
    double ValueAsDouble() const { return static_cast<double>(core_.value()); }
    bool PutAComma() const { return core_.putAComma(); }
    void setPutAComma(bool separators) { core_.setPutAComma(separators); }
    bool EnterNext() const { return core_.enterNext(); }
    void setEnterNext(bool moves) { core_.setEnterNext(moves); }
    bool ArrowNext() const { return core_.arrowNext(); }
    void setArrowNext(bool moves) { core_.setArrowNext(moves); }
    TColor MinusColor() const { return core_.minusColor(); }
    int MinusColorAsInt() const { return static_cast<int>(core_.minusColor()); }
    void setMinusColor(TColor color) { core_.setMinusColor(color); }
    bool AutoSelect() const { return core_.autoSelect(); }
    void setAutoSelect(bool selects) { core_.setAutoSelect(selects); }
    // Written through QLineEdit::setReadOnly; the core follows its change event.
    bool ReadOnly() const { return isReadOnly(); }
    QString Text() const { return text(); }
    QMenu* PopupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    // The font colour (the text colour of the palette), as a stored colour.
    TColor FontColor() const { return fontColor_; }
    void setFontColor(TColor color);

    // The after-load step: the first rendering, without a change event.
    void Loaded() override { core_.loaded(); }

    // In design mode invalid property values are reported (beep and message box, or a thrown
    // NValEditDesignError) instead of being corrected silently.
    void setDesignMode(bool designing) { core_.setDesignMode(designing); }
    // Not owned; nullptr restores the message box.
    void setDesignReporter(NValEditDesignReporter* reporter);

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
    // NValEditRequests
    std::u16string currentText() const override;
    int selectedFrom() const override;
    int selectedLength() const override;
    bool hasParentWindow() const override;
    void showText(const std::u16string& text) override;
    void caretTo(int position) override;
    void selectWhole() override;
    void beep() override;
    void focusNext() override;
    void focusPrevious() override;
    void changeFontColor(TColor color) override;
    void reportChange() override;

    void typeCharacter(char key);
    void perform(EditCommand command);
    void passOn(QKeyEvent* event);
    void pasteFromClipboard();
    void applyFontColor(TColor color);
    void paletteChanged();

    TNValEditMessageBox messageBox_;
    NValEditCore core_;
    QPointer<QMenu> popupMenu_;
    TColor fontColor_ = clWindowText;
};

} // namespace norvik
