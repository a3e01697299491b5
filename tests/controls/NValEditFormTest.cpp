#include "controls/nvaledit/NValEdit.h"
#include "ui_NValEditTestForm.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace norvik {
namespace {

TEST(NValEditForm, ALayoutSetsEveryPublishedProperty) {
    QWidget form;
    Ui_NValEditTestForm ui;
    ui.setupUi(&form);
    for (TNValEdit* box : {ui.NValEdit3, ui.NValEdit4, ui.NValEdit5}) {
        box->Loaded();
    }
    EXPECT_TRUE(ui.NValEdit3->ZeroDisplay());
    EXPECT_TRUE(ui.NValEdit3->EnterNext());
    EXPECT_EQ(ui.NValEdit3->Text(), "0");

    const TNValEdit& box = *ui.NValEdit4;
    EXPECT_EQ(box.MaxDigits(), 12);
    EXPECT_EQ(box.FixDecimal(), 2);
    EXPECT_TRUE(box.DelAllClear());
    EXPECT_EQ(box.LeadingChar(), QChar('\\'));
    EXPECT_EQ(box.Value(), -1234.5L);
    EXPECT_TRUE(box.ArrowNext());
    EXPECT_EQ(box.MinusColor(), 255u);
    EXPECT_FALSE(box.AutoSelect());
    EXPECT_TRUE(box.ReadOnly());
    EXPECT_EQ(box.Text(), "\\-1,234.50");
    EXPECT_EQ(box.palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));

    EXPECT_EQ(ui.NValEdit5->MinusColor(), clWindowText);
}

TEST(NValEditForm, PropertiesWorkThroughTheMetaObject) {
    QWidget form;
    auto* box = new TNValEdit(&form);
    EXPECT_TRUE(box->setProperty("MinusColor", -16777208));
    EXPECT_EQ(box->MinusColor(), clWindowText);
    EXPECT_TRUE(box->setProperty("Value", 250000.0));
    EXPECT_EQ(box->property("Text").toString(), "250,000");
    EXPECT_FALSE(box->setProperty("Text", "1")) << "Text is read-only";
    EXPECT_EQ(box->property("MaxDigits").toInt(), 9);
    EXPECT_EQ(box->property("LeadingChar").value<QChar>(), QChar(' '));
}

} // namespace
} // namespace norvik
