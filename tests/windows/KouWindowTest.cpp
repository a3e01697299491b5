// The column-甲 window, built from its layout and driven with real key and mouse events.

#include "FormDriver.h"
#include "RecordingHelpOpener.h"
#include "ScreenReaderView.h"

#include "../core/GoldenCases.h"
#include "calc_kou/unorvik.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>

#include <gtest/gtest.h>

namespace {

const char* const kAmountFields[] = {"alldata", "data1", "data2", "data3", "data5"};
const char* const kFormulaFields[] = {"formula1", "formula2", "formula3", "formula4"};

class KouWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(driver.showAndActivate()); }

    QString text(const char* field) const { return driver.text(field); }

    void expectCleared() const {
        for (const char* field : kAmountFields) {
            EXPECT_EQ(text(field), "0") << field;
        }
        for (const char* field : kFormulaFields) {
            EXPECT_EQ(text(field), "") << field;
        }
        EXPECT_EQ(text("data4"), "31,667");
    }

    RecordingHelpOpener help;
    Tfnorvik form{help};
    FormDriver driver{form};
};

TEST_F(KouWindow, StartsWithZerosTheBasicDeductionAndTheFocusInTheSalary) {
    expectCleared();
    EXPECT_EQ(text("formula5"), "");
    EXPECT_EQ(driver.focusName(), "NValEdit3");
    EXPECT_EQ(driver.widget<norvik::TNValEdit>("NValEdit3")->Text(), "0");
    EXPECT_TRUE(driver.widget<QRadioButton>("RadioGroup2Item0")->isChecked());
}

TEST_F(KouWindow, ShowingReplacesTheStoredCaptionAndDatesTheStatusBar) {
    EXPECT_EQ(form.windowTitle(),
              QString::fromUtf16(u"電算機計算の特例による源泉徴収税額算出-月額表甲欄-Kestwick-"));
    EXPECT_EQ(form.statusPanelText(),
              QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

TEST(KouWindowBeforeShowing, CarriesItsStoredCaption) {
    RecordingHelpOpener help;
    Tfnorvik form(help);
    EXPECT_EQ(form.windowTitle(),
              QString::fromUtf16(
                  u"源泉徴収税額算出プログラム-電算機計算の特例による月額表甲欄編-Kestwick"));
    EXPECT_EQ(form.statusPanelText(), "");
}

TEST_F(KouWindow, EnterInTheDependentsEditMovesToTheSpouseChoiceAndComputesEveryField) {
    driver.enterSalaryAndDependents("300000", "2");

    EXPECT_EQ(driver.focusName(), "RadioGroup2Item0");
    const auto cases = loadGoldenCases(NORVIK_GOLDEN_DIR "/kou_cases.txt");
    const GoldenCase& first = cases.front(); // 300,000 yen, 2 dependents, with spouse
    ASSERT_EQ(first.inputs.at("salaryText"), "300,000");
    for (const auto& [field, expected] : first.expected) {
        EXPECT_EQ(text(std::string(field).c_str()).toStdString(), expected) << field;
    }
    EXPECT_EQ(text("data4"), "31,667");
}

TEST_F(KouWindow, F5RightAfterStartComputesWithZeros) {
    driver.press(Qt::Key_F5);
    EXPECT_EQ(text("data1"), "54,167");
    EXPECT_EQ(text("data5"), "-117,501");
    EXPECT_EQ(text("alldata"), "0");
    EXPECT_EQ(text("formula1"), QString::fromUtf16(u"定額"));
}

TEST_F(KouWindow, EnterInTheSalaryEditOnlyMovesOn) {
    driver.type("300000");
    driver.press(Qt::Key_Return);
    EXPECT_EQ(driver.focusName(), "NValEdit4");
    expectCleared();
    EXPECT_EQ(text("formula5"), "");
}

TEST_F(KouWindow, EscInEitherEditClearsEverythingButTheLegendAndFocusesTheSalary) {
    for (const char* edit : {"NValEdit3", "NValEdit4"}) {
        driver.enterSalaryAndDependents("300000", "2");
        ASSERT_EQ(text("alldata"), "3,420");
        driver.widget<norvik::TNValEdit>(edit)->setFocus();

        driver.press(Qt::Key_Escape);

        expectCleared();
        EXPECT_EQ(driver.widget<norvik::TNValEdit>("NValEdit3")->Text(), "0") << edit;
        EXPECT_EQ(driver.widget<norvik::TNValEdit>("NValEdit4")->Text(), "0") << edit;
        EXPECT_NE(text("formula5"), "") << "the legend stays once written";
        EXPECT_TRUE(driver.widget<QRadioButton>("RadioGroup2Item0")->isChecked());
        EXPECT_EQ(driver.focusName(), "NValEdit3") << edit;
    }
}

TEST_F(KouWindow, EndInAnEditClosesTheWindow) {
    driver.widget<norvik::TNValEdit>("NValEdit4")->setFocus();
    driver.press(Qt::Key_End);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(KouWindow, SwitchingTheSpouseChoiceChangesNothingUntilTheNextRequest) {
    driver.enterSalaryAndDependents("300000", "2");
    QTest::mouseClick(driver.widget<QRadioButton>("RadioGroup2Item1"), Qt::LeftButton);
    EXPECT_EQ(text("data2"), "31,667");
    EXPECT_EQ(text("alldata"), "3,420");

    driver.press(Qt::Key_F5);
    EXPECT_EQ(text("data2"), "0");
    EXPECT_EQ(text("formula4"), "300,000-105000-31667-0-63334");
}

TEST_F(KouWindow, TheSameInputsTwiceGiveTheSameTexts) {
    driver.enterSalaryAndDependents("1234567", "3");
    QStringList first;
    for (const char* field : kAmountFields) {
        first << text(field);
    }
    driver.press(Qt::Key_F5);
    QStringList second;
    for (const char* field : kAmountFields) {
        second << text(field);
    }
    EXPECT_EQ(first, second);
}

TEST_F(KouWindow, TheButtonsDoWhatTheirKeysDo) {
    driver.type("450000");
    QTest::mouseClick(driver.widget<QWidget>("IconButton4"), Qt::LeftButton);
    EXPECT_EQ(text("alldata"), "17,040"); // with spouse: taxable 251,666 at 10%

    QTest::mouseClick(driver.widget<QWidget>("IconButton13"), Qt::LeftButton);
    expectCleared();
    EXPECT_EQ(driver.focusName(), "NValEdit3");

    QTest::mouseClick(driver.widget<QWidget>("IconButton7"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(KouWindow, ThePopupMenuCommandsDoWhatTheirKeysDo) {
    QMenu* menu = form.PopupMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QString::fromUtf16(u"計算実行"));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(items[1]->text(), "Clear");
    EXPECT_EQ(items[1]->shortcut(), QKeySequence(Qt::Key_Escape));
    EXPECT_EQ(items[2]->text(), QString::fromUtf16(u"終　了"));
    EXPECT_EQ(items[2]->shortcut(), QKeySequence(Qt::Key_End));

    driver.type("300000");
    items[0]->trigger();
    EXPECT_EQ(text("data1"), "105,000");
    items[1]->trigger();
    expectCleared();
    items[2]->trigger();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(KouWindow, ARightClickAnywhereOpensThePopupMenu) {
    for (const char* place : {"data5", "NValEdit3", "RadioGroup2"}) {
        driver.rightClick(place);
        ASSERT_TRUE(form.PopupMenu()->isVisible()) << place;
        form.PopupMenu()->hide();
    }
}

TEST_F(KouWindow, TabGoesRoundTheTwoEditsAndTheSpouseChoice) {
    const char* const order[] = {"NValEdit4", "RadioGroup2Item0", "NValEdit3", "NValEdit4"};
    for (const char* next : order) {
        driver.press(Qt::Key_Tab);
        EXPECT_EQ(driver.focusName(), next);
    }
}

TEST_F(KouWindow, HelpAsksTheDesktopToOpenTheFileBesideTheProgramAndChangesNothing) {
    driver.type("300000");
    QTest::mouseClick(driver.widget<QWidget>("IconButton8"), Qt::LeftButton);
    ASSERT_EQ(help.opened.size(), 1);
    EXPECT_EQ(
        help.opened.front(),
        QUrl::fromLocalFile(QDir(QCoreApplication::applicationDirPath()).filePath("norvik.CHM")));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(driver.widget<norvik::TNValEdit>("NValEdit3")->Text(), "300,000");
    EXPECT_EQ(text("alldata"), "0");
}

TEST_F(KouWindow, EveryInputAndResultTellsAssistiveTechnologyWhatItShows) {
    const char* const fields[] = {"NValEdit3", "NValEdit4", "RadioGroup2", "alldata", "formula3",
                                  "data1",     "formula1",  "data2",       "data4",   "data3",
                                  "formula2",  "data5",     "formula4",    "formula5"};
    for (const char* name : fields) {
        const QWidget* field = driver.widget<QWidget>(name);
        EXPECT_FALSE(field->accessibleDescription().isEmpty()) << name;
        // A name would hide the amount itself from a screen reader.
        EXPECT_TRUE(field->accessibleName().isEmpty()) << name;
    }
}

TEST_F(KouWindow, AScreenReaderReachesEachInputByItsOwnNameAndHearsAnEmptyResultAsEmpty) {
    const Announcement announced[] = {
        {"NValEdit3", u"その月の社会保険料控除後の給与等の金額", QAccessible::EditableText},
        {"NValEdit4", u"扶養家族数", QAccessible::EditableText},
        {"RadioGroup2Item0", u"配偶者あり", QAccessible::RadioButton},
        {"RadioGroup2Item1", u"配偶者なし", QAccessible::RadioButton},
        {"formula1", u"", QAccessible::StaticText},
        {"data4", u"31,667", QAccessible::StaticText},
    };
    expectAnnounced(driver, announced);
}

} // namespace
