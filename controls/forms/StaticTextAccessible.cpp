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
