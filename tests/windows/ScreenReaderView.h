#pragma once

#include "FormDriver.h"

#include <QAccessible>
#include <QString>

#include <gtest/gtest.h>

#include <span>

namespace norvik {

// What a screen reader announces for one control of a window: its name and its role.
struct Announcement {
    const char* widget;
    const char16_t* name;
    QAccessible::Role role;
};

// The text a screen reader reads out of a field through its text interface; empty when the
// field offers none.
inline QString readableText(QWidget* field) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
    QAccessibleTextInterface* text = accessible ? accessible->textInterface() : nullptr;
    return text ? text->text(0, text->characterCount()) : QString();
}

inline void expectAnnounced(const FormDriver& driver, std::span<const Announcement> expected) {
    for (const Announcement& row : expected) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(driver.widget<QWidget>(row.widget));
        ASSERT_NE(accessible, nullptr) << row.widget;
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf16(row.name)) << row.widget;
        EXPECT_EQ(accessible->role(), row.role) << row.widget;
    }
}

} // namespace norvik
