// What only the column-甲 window does: its spouse choice, its computation with nothing entered,
// and the caption it changes when shown. What both windows do is in EachWindowTest.cpp.

#include "KouWindowTraits.h"
#include "WindowFixture.h"

#include <QRadioButton>

#include <gtest/gtest.h>

namespace norvik {
namespace {

using KouWindow = WindowFixture<KouWindowTraits>;

TEST(KouWindowBeforeShowing, CarriesItsStoredCaption) {
    RecordingHelpOpener help;
    const Tfnorvik form(help);
    EXPECT_EQ(form.windowTitle(),
              QString::fromUtf16(
                  u"源泉徴収税額算出プログラム-電算機計算の特例による月額表甲欄編-Kestwick"));
}

TEST_F(KouWindow, StartsWithASpouse) {
    EXPECT_TRUE(driver_.widget<QRadioButton>("RadioGroup2Item0")->isChecked());
}

TEST_F(KouWindow, F5RightAfterStartComputesWithZeros) {
    driver_.press(Qt::Key_F5);
    EXPECT_EQ(text("data1"), "54,167");
    EXPECT_EQ(text("data5"), "-117,501");
    EXPECT_EQ(text("alldata"), "0");
    EXPECT_EQ(text("formula1"), QString::fromUtf16(u"定額"));
}

TEST_F(KouWindow, SwitchingTheSpouseChoiceChangesNothingUntilTheNextRequest) {
    driver_.enterSalaryAndDependents("300000", "2");
    driver_.click("RadioGroup2Item1");
    EXPECT_EQ(text("data2"), "31,667");
    EXPECT_EQ(text("alldata"), "3,420");

    driver_.press(Qt::Key_F5);
    EXPECT_EQ(text("data2"), "0");
    EXPECT_EQ(text("formula4"), "300,000-105000-31667-0-63334");
}

TEST_F(KouWindow, EscLeavesTheSpouseChoiceAsItWas) {
    for (const char* choice : {"RadioGroup2Item1", "RadioGroup2Item0"}) {
        driver_.enterSalaryAndDependents("300000", "2");
        driver_.click(choice);
        driver_.widget<QWidget>("NValEdit4")->setFocus();
        driver_.press(Qt::Key_Escape);
        EXPECT_TRUE(driver_.widget<QRadioButton>(choice)->isChecked()) << choice;
    }
}

} // namespace
} // namespace norvik
