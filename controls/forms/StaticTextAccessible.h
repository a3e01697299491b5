#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace norvik {

// What a screen reader hears for a static text: its text, and nothing when it is empty. Qt's own
// label falls back to the title of the surrounding group box, so an empty result field would be
// announced as "扶養控除" or "入力事項".
class StaticTextAccessible : public QAccessibleWidget {
public:
    explicit StaticTextAccessible(QLabel* label);

    QString text(QAccessible::Text kind) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;

    // Makes Qt use this interface for every TStaticText; a second call changes nothing.
    static void install();

private:
    QLabel* label() const;
};

} // namespace norvik
