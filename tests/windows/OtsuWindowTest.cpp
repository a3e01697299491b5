// The column-乙 window, built from its layout and driven with real key and mouse events.

#include "FormDriver.h"
#include "ModalBoxCloser.h"
#include "RecordingHelpOpener.h"
#include "ScreenReaderView.h"

#include "../core/GoldenCases.h"
#include "calc_otsu/unorvikB.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

const char* const kAmountFields[] = {"alldata", "data1", "data2", "data6", "data11",
                                     "data12",  "data4", "data9", "data5"};
const char* const kFormulaFields[] = {"formula2",  "formula1", "formula3", "formula6", "formula11",
                                      "formula12", "formula4", "formula9", "formula5"};
const char16_t* const kExplanation =
    u"主たる給与と従たる給与の合計額に対する税額-主たる給与に対する税額-扶養控除";

class OtsuWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(driver.showAndActivate()); }

    QString text(const char* field) const { return driver.text(field); }

    QStringList allTexts() const {
        QStringList texts;
        for (const char* field : kAmountFields) {
            texts << text(field);
        }
        for (const char* field : kFormulaFields) {
            texts << text(field);
        }
        return texts << text("formulaall") << text("data3") << text("data8");
    }

    void expectCleared() const {
        for (const char* field : kAmountFields) {
            EXPECT_EQ(text(field), "0") << field;
        }
        for (const char* field : kFormulaFields) {
            EXPECT_EQ(text(field), "") << field;
        }
        EXPECT_EQ(text("data3"), "31,667");
        EXPECT_EQ(text("data8"), "31,667");
    }

    RecordingHelpOpener help;
    TfnorvikB form{help};
    FormDriver driver{form};
};

TEST_F(OtsuWindow, StartsWithZerosTheBasicDeductionsAndTheFocusInTheSalary) {
    expectCleared();
    EXPECT_EQ(text("formulaall"), "");
    EXPECT_EQ(driver.focusName(), "NValEdit3");
    EXPECT_EQ(form.windowTitle(),
              QString::fromUtf16(
                  u"源泉徴収税額算出プログラム-電算機計算の特例による月額表乙欄編-Kestwick"));
    EXPECT_EQ(form.statusPanelText(),
              QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

TEST_F(OtsuWindow, EnterInTheDependentsEditComputesEveryFieldAndReturnsToTheSalary) {
    driver.enterSalaryAndDependents("300000", "2");

    EXPECT_EQ(driver.focusName(), "NValEdit3");
    const auto cases = loadGoldenCases(NORVIK_GOLDEN_DIR "/otsu_cases.txt");
    const GoldenCase& example = cases.front(); // 300,000 yen, 2 dependents
    ASSERT_EQ(example.inputs.at("salary"), "300000");
    for (const auto& [field, expected] : example.expected) {
        EXPECT_EQ(text(std::string(field).c_str()).toStdString(), expected) << field;
    }
    EXPECT_EQ(text("data3"), "31,667");
    EXPECT_EQ(text("data8"), "31,667");
}

TEST_F(OtsuWindow, ASalaryOutOfRangeIsRefusedInAnInformationBoxAndChangesNothing) {
    struct {
        const char* salary;
        bool accepted;
    } const cases[] = {
        {"88000", false}, {"88001", true}, {"1010000", true}, {"1010001", false}, {"-5000", false},
    };
    for (const auto& c : cases) {
        const QStringList before = allTexts();
        ModalBoxCloser closer;
        driver.enterSalaryAndDependents(c.salary, "0");
        QCoreApplication::processEvents();
        EXPECT_EQ(closer.seen, !c.accepted) << c.salary;
        if (c.accepted) {
            EXPECT_EQ(text("formulaall"), QString::fromUtf16(kExplanation)) << c.salary;
            continue;
        }
        EXPECT_EQ(closer.title, QString::fromUtf16(u"情報"));
        EXPECT_EQ(closer.text,
                  QString::fromUtf16(u"その月の社会保険料控除後の給与等の金額が\r\n88000円以下、"
                                     u"または1010000円を超えている場合は源泉徴収税額表-月額表-"
                                     u"を使用してください。"));
        EXPECT_EQ(closer.icon, QMessageBox::Information);
        EXPECT_EQ(closer.buttons, QStringList{"OK"});
        EXPECT_EQ(allTexts(), before) << c.salary << ": the earlier results stay on display";
    }
}

TEST_F(OtsuWindow, TabAndShiftTabMoveOnlyBetweenTheTwoEdits) {
    for (const char* next : {"NValEdit4", "NValEdit3", "NValEdit4"}) {
        driver.press(Qt::Key_Tab);
        EXPECT_EQ(driver.focusName(), next);
    }
    for (const char* previous : {"NValEdit3", "NValEdit4"}) {
        driver.press(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(driver.focusName(), previous);
    }
}

TEST_F(OtsuWindow, EnterInTheSalaryEditOnlyMovesOn) {
    driver.type("300000");
    driver.press(Qt::Key_Return);
    EXPECT_EQ(driver.focusName(), "NValEdit4");
    expectCleared();
}

TEST_F(OtsuWindow, EscClearsEverythingButTheExplanationAndTheBasicDeductions) {
    driver.enterSalaryAndDependents("300000", "2");
    driver.widget<norvik::TNValEdit>("NValEdit4")->setFocus();
    driver.press(Qt::Key_Escape);
    expectCleared();
    EXPECT_EQ(text("formulaall"), QString::fromUtf16(kExplanation));
    EXPECT_EQ(driver.widget<norvik::TNValEdit>("NValEdit3")->Text(), "0");
    EXPECT_EQ(driver.widget<norvik::TNValEdit>("NValEdit4")->Text(), "0");
    EXPECT_EQ(driver.focusName(), "NValEdit3");
}

TEST_F(OtsuWindow, EndInAnEditClosesTheWindow) {
    driver.press(Qt::Key_End);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(OtsuWindow, F5AndTheButtonsComputeAndTheSameInputsGiveTheSameTexts) {
    driver.type("300000");
    driver.press(Qt::Key_F5);
    const QStringList byKey = allTexts();
    EXPECT_EQ(text("alldata"), "51,800"); // no dependents: 72,590 - 20,800

    QTest::mouseClick(driver.widget<QWidget>("IconButton3"), Qt::LeftButton);
    expectCleared();
    driver.type("300000");
    QTest::mouseClick(driver.widget<QWidget>("IconButton7"), Qt::LeftButton);
    EXPECT_EQ(allTexts(), byKey);

    QTest::mouseClick(driver.widget<QWidget>("IconButton5"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(OtsuWindow, ThePopupMenuCommandsDoWhatTheirKeysDo) {
    const QList<QAction*> items = form.PopupMenu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QString::fromUtf16(u"計　算"));
    EXPECT_EQ(items[1]->text(), "Clear");
    EXPECT_EQ(items[2]->text(), QString::fromUtf16(u"終　了"));
    driver.type("300000");
    items[0]->trigger();
    EXPECT_EQ(text("data1"), "299,000");
    items[1]->trigger();
    expectCleared();
    items[2]->trigger();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(OtsuWindow, ARightClickOnTheEditsTheComputeButtonOrAnywhereOpensThePopupMenu) {
    for (const char* place : {"NValEdit3", "NValEdit4", "IconButton7", "data11", "GroupBox3"}) {
        driver.rightClick(place);
        ASSERT_TRUE(form.PopupMenu()->isVisible()) << place;
        form.PopupMenu()->hide();
    }
}

TEST_F(OtsuWindow, HelpIsTheButtonBesideHelpAndOpensTheFileBesideTheProgram) {
    QTest::mouseClick(driver.widget<QWidget>("IconButton6"), Qt::LeftButton);
    ASSERT_EQ(help.opened.size(), 1);
    EXPECT_EQ(
        help.opened.front(),
        QUrl::fromLocalFile(QDir(QCoreApplication::applicationDirPath()).filePath("norvik.CHM")));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(OtsuWindow, EveryInputAndResultTellsAssistiveTechnologyWhatItShows) {
    QStringList names{"NValEdit3", "NValEdit4", "formulaall", "data3", "data8"};
    for (const char* field : kAmountFields) {
        names << field;
    }
    for (const char* field : kFormulaFields) {
        names << field;
    }
    for (const QString& name : names) {
        const QWidget* field = driver.widget<QWidget>(name.toLatin1().constData());
        EXPECT_FALSE(field->accessibleDescription().isEmpty()) << name.toStdString();
        EXPECT_TRUE(field->accessibleName().isEmpty()) << name.toStdString();
    }
}

TEST_F(OtsuWindow, AScreenReaderReachesEachInputByItsOwnNameAndHearsAnEmptyResultAsEmpty) {
    const Announcement announced[] = {
        {"NValEdit3", u"その月の社会保険料控除後の給与等の金額", QAccessible::EditableText},
        {"NValEdit4", u"扶養家族数", QAccessible::EditableText},
        {"formula5", u"", QAccessible::StaticText},
        {"formulaall", u"", QAccessible::StaticText},
        {"alldata", u"0", QAccessible::StaticText},
    };
    expectAnnounced(driver, announced);
}

} // namespace
