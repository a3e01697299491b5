#include "controls/nvaledit/NValEdit.h"

#include "controls/gdi/ColorMap.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <optional>

namespace norvik {

namespace {

EditKey editKeyOf(int key) {
    switch (key) {
    case Qt::Key_Backspace:
        return EditKey::Back;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return EditKey::Return;
    case Qt::Key_Escape:
        return EditKey::Escape;
    case Qt::Key_Home:
        return EditKey::Home;
    case Qt::Key_Left:
        return EditKey::Left;
    case Qt::Key_Up:
        return EditKey::Up;
    case Qt::Key_Down:
        return EditKey::Down;
    case Qt::Key_Delete:
        return EditKey::Delete;
    default:
        return EditKey::Other;
    }
}

// The character a key press types, as the desktop's keyboard translation gives it: Enter,
// Backspace and Esc type their control characters, Ctrl with a letter types the letter's
// control character (Ctrl+V is 22), Alt combinations type nothing, and a character that does
// not fit one Latin-1 byte types nothing either.
std::optional<char> characterOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt;
    }
    const bool control = (modifiers & Qt::ControlModifier) != 0;
    const int key = event.key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return control ? '\n' : '\r';
    case Qt::Key_Backspace:
        return control ? '\x7f' : '\b';
    case Qt::Key_Escape:
        return '\x1b';
    default:
        break;
    }
    if (control) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            return static_cast<char>(key - Qt::Key_A + 1);
        }
        return std::nullopt;
    }
    const QString text = event.text();
    if (text.size() != 1) {
        return std::nullopt;
    }
    const char16_t c = text.front().unicode();
    if (c < u' ' || c == u'\x7f' || c > u'\xff') {
        return std::nullopt;
    }
    return static_cast<char>(c);
}

bool isDialogKey(EditKey key) {
    return key == EditKey::Return || key == EditKey::Escape;
}

} // namespace

TNValEdit::TNValEdit(QWidget* parent)
    : QLineEdit(parent)
    , core_(*this) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Text reaches the box only through the number: no input method, no drops, no drags.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    setDragEnabled(false);
    core_.setDesignReporter(&messageBox_);
    // Only a text written from outside: the box writes its own with the signal blocked.
    connect(this, &QLineEdit::textChanged, this, [this] { core_.textChanged(); });
}

TNValEdit::~TNValEdit() {
    // The edit may still report text changes while it is taken down; the core is gone by then.
    disconnect(this, &QLineEdit::textChanged, this, nullptr);
}

void TNValEdit::setLeadingChar(QChar c) {
    const char16_t code = c.unicode();
    core_.setLeadingChar(code <= 0xFF ? static_cast<unsigned char>(code) : ' ');
}

void TNValEdit::setFontColor(TColor color) {
    if (color == fontColor_) {
        return; // an unchanged font raises no notification
    }
    applyFontColor(color);
    core_.fontColorChanged(color);
}

void TNValEdit::setDesignReporter(NValEditDesignReporter* reporter) {
    core_.setDesignReporter(reporter != nullptr ? reporter : &messageBox_);
}

// ---- events

bool TNValEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // A shortcut of the window (F5, Esc, End in the calculators) wins over the box's own use
        // of the key, as menu shortcuts do before a key reaches any control.
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void TNValEdit::keyPressEvent(QKeyEvent* event) {
    const EditKey key = editKeyOf(event->key());
    if (isDialogKey(key) && !core_.wantsDialogKeys()) {
        event->ignore(); // the window's dialog keys
        return;
    }
    // Key-down first, then the character it types; with EnterNext the Enter character still
    // arrives here after the focus has moved on.
    const bool passedOn = core_.keyDown(key);
    const std::optional<char> character = characterOf(*event);
    event->accept();
    if (passedOn && !character) {
        passOn(event);
    }
    if (character) {
        typeCharacter(*character);
    }
}

// Keys the box leaves to the edit: only those that move the caret to the right or copy, and
// the clipboard sequences without a character of their own (Shift+Insert, Ctrl+Insert). The
// edit's own editing keys never run: they would change the text behind the number's back.
void TNValEdit::passOn(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        perform(EditCommand::Paste);
    } else if (event->matches(QKeySequence::Cut)) {
        perform(EditCommand::Cut);
    } else if (event->matches(QKeySequence::Copy)) {
        perform(EditCommand::Copy);
    } else if (event->matches(QKeySequence::Undo)) {
        perform(EditCommand::Undo);
    } else if (event->key() == Qt::Key_Right || event->key() == Qt::Key_End) {
        QLineEdit::keyPressEvent(event);
    } else {
        event->ignore();
    }
}

void TNValEdit::typeCharacter(char key) {
    emit OnKeyPress(this, key);
    perform(core_.typeChar(key));
}

void TNValEdit::perform(EditCommand command) {
    switch (command) {
    case EditCommand::Copy:
        copy();
        break;
    case EditCommand::Paste:
        pasteFromClipboard();
        break;
    case EditCommand::Cut:
        if (!isReadOnly()) {
            copy();
        }
        core_.cutOrClear();
        break;
    case EditCommand::Undo:
        // The edit's own undo has nothing to undo: every text the box shows is written whole,
        // which empties the edit's history. What remains is reading the text back.
        core_.undo();
        break;
    case EditCommand::None:
        break;
    }
}

void TNValEdit::pasteFromClipboard() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (mime != nullptr && mime->hasText()) {
        core_.paste(mime->text().toStdU16String());
    } else {
        core_.paste(std::nullopt);
    }
}

void TNValEdit::focusInEvent(QFocusEvent* event) {
    // The edit selects all on its own for a Tab; AutoSelect decides that here.
    const Qt::FocusReason reason = event->reason();
    QFocusEvent plain(QEvent::FocusIn,
                      reason == Qt::PopupFocusReason ? reason : Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
    if (reason != Qt::PopupFocusReason) { // back from the popup menu: the entry goes on
        core_.focusGained(reason == Qt::MouseFocusReason);
    }
}

void TNValEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) {
        core_.focusLost();
    }
}

// The middle button would paste the X11 selection into the text; it does nothing here.
void TNValEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TNValEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
    } else {
        QLineEdit::mouseReleaseEvent(event);
    }
    core_.mouseReleased();
}

void TNValEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
    core_.doubleClick();
}

void TNValEdit::contextMenuEvent(QContextMenuEvent* event) {
    if (popupMenu_ == nullptr) {
        event->ignore(); // no menu of the edit's own: its paste would bypass the number
        return;
    }
    popupMenu_->popup(event->globalPos());
    event->accept();
}

void TNValEdit::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore(); // the input method is off for the box; should one speak anyway, nothing
}

void TNValEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange) {
        core_.setReadOnly(isReadOnly());
    } else if (event->type() == QEvent::PaletteChange) {
        paletteChanged();
    }
}

// A palette set from outside may carry a new text colour: that is a new font colour. The box's
// own palette shows the font colour it keeps, so it passes here unnoticed.
void TNValEdit::paletteChanged() {
    const QColor shown = palette().color(QPalette::Active, QPalette::Text);
    if (shown == toQColor(fontColor_, palette())) {
        return;
    }
    fontColor_ = fromQColor(shown);
    core_.fontColorChanged(fontColor_);
}

void TNValEdit::applyFontColor(TColor color) {
    QPalette colors = palette();
    const QColor shown = toQColor(color, colors);
    colors.setColor(QPalette::Active, QPalette::Text, shown);
    colors.setColor(QPalette::Inactive, QPalette::Text, shown);
    fontColor_ = color;
    setPalette(colors);
}

// ---- requests of the core

std::u16string TNValEdit::currentText() const {
    return text().toStdU16String();
}

int TNValEdit::selectedFrom() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int TNValEdit::selectedLength() const {
    return static_cast<int>(selectedText().size());
}

bool TNValEdit::hasParentWindow() const {
    return parentWidget() != nullptr;
}

void TNValEdit::showText(const std::u16string& text) {
    const QSignalBlocker quiet(this);
    setText(QString::fromStdU16String(text));
}

void TNValEdit::caretTo(int position) {
    setCursorPosition(position);
}

void TNValEdit::selectWhole() {
    selectAll();
}

void TNValEdit::beep() {
    QApplication::beep();
}

void TNValEdit::focusNext() {
    focusNextPrevChild(true);
}

void TNValEdit::focusPrevious() {
    focusNextPrevChild(false);
}

void TNValEdit::changeFontColor(TColor color) {
    if (color != fontColor_) {
        applyFontColor(color);
    }
}

void TNValEdit::reportChange() {
    setModified(true);
    emit OnChange(this);
}

} // namespace norvik
