#include "controls/forms/StaticTextAccessible.h"

#include "controls/forms/TStaticText.h"

namespace norvik {

namespace {

QAccessibleInterface* makeStaticTextAccessible(const QString& className, QObject* object) {
    auto* label = qobject_cast<TStaticText*>(object);
    if (label == nullptr || className != QLatin1String(TStaticText::staticMetaObject.className())) {
        return nullptr;
    }
    return new StaticTextAccessible(label);
}

} // namespace

StaticTextAccessible::StaticTextAccessible(QLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

QLabel* StaticTextAccessible::label() const {
    return static_cast<QLabel*>(widget());
}

QString StaticTextAccessible::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name) {
        return QAccessibleWidget::text(kind);
    }
    const QString ownName = label()->accessibleName();
    return ownName.isEmpty() ? label()->text() : ownName;
}

void* StaticTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString StaticTextAccessible::text(int startOffset, int endOffset) const {
    return label()->text().mid(startOffset, endOffset - startOffset);
}

int StaticTextAccessible::characterCount() const {
    return static_cast<int>(label()->text().size());
}

void StaticTextAccessible::selection(int /*selectionIndex*/, int* startOffset,
                                     int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

int StaticTextAccessible::selectionCount() const {
    return 0;
}

void StaticTextAccessible::addSelection(int /*startOffset*/, int /*endOffset*/) {}

void StaticTextAccessible::removeSelection(int /*selectionIndex*/) {}

void StaticTextAccessible::setSelection(int /*selectionIndex*/, int /*startOffset*/,
                                        int /*endOffset*/) {}

int StaticTextAccessible::cursorPosition() const {
    return 0;
}

void StaticTextAccessible::setCursorPosition(int /*position*/) {}

QRect StaticTextAccessible::characterRect(int /*offset*/) const {
    return {};
}

int StaticTextAccessible::offsetAtPoint(const QPoint& /*point*/) const {
    return -1;
}

void StaticTextAccessible::scrollToSubstring(int /*startIndex*/, int /*endIndex*/) {}

QString StaticTextAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
StaticTextAccessible::relations(QAccessible::Relation match) const {
    auto related = QAccessibleWidget::relations(match);
    QWidget* buddy = label()->buddy();
    if ((match & QAccessible::Labelled) && buddy != nullptr) {
        related.append({QAccessible::queryAccessibleInterface(buddy), QAccessible::Labelled});
    }
    return related;
}

void StaticTextAccessible::install() {
    // Qt keeps a list of factories; one entry is enough for every static text.
    static const bool installed = [] {
        QAccessible::installFactory(&makeStaticTextAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace norvik
