#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace norvik {

// What a screen reader hears for a static text: its text, and nothing when it is empty. Qt's own
// label falls back to the title of the surrounding group box, so an empty result field would be
// announced as "扶養控除" or "入力事項". A text with a name of its own ("税額") still offers what
// it shows through the text interface, so the amount is heard beside the name.
class StaticTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit StaticTextAccessible(QLabel* label);

    QString text(QAccessible::Text kind) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Read-only text: no caret, no selection.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;

    // Makes Qt use this interface for every TStaticText; a second call changes nothing.
    static void install();

private:
    QLabel* label() const;
};

} // namespace norvik
