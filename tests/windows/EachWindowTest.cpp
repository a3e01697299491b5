// What every main window does alike, checked on each, built from its layout and driven with real
// key and mouse events on a Japanese desktop (ctest sets LANG=ja_JP.UTF-8). What only one of
// them does is in KouWindowTest.cpp, OtsuWindowTest.cpp and ReiwaWindowTest.cpp.

#include "KouWindowTraits.h"
#include "OtsuWindowTraits.h"
#include "ReiwaWindowTraits.h"
#include "ScreenReaderView.h"
#include "WindowFixture.h"

#include "resources/generator/DesktopIconArt.h"

#include <QDate>
#include <QImage>
#include <QLocale>
#include <QUrl>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace norvik {
namespace {

template <typename Traits>
using EachWindow = WindowFixture<Traits>;

using Windows = ::testing::Types<KouWindowTraits, OtsuWindowTraits, ReiwaWindowTraits>;
TYPED_TEST_SUITE(EachWindow, Windows);

// Where the desktop should find the help: beside this test program, as the kernel names it.
QUrl helpFileBesideThisProgram() {
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
    return QUrl::fromLocalFile(
        QString::fromStdString((program.parent_path() / "norvik.CHM").string()));
}

TYPED_TEST(EachWindow, StartsClearedWithTheFocusInTheSalary) {
    this->expectCleared();
    EXPECT_EQ(this->text(TypeParam::kLegendField), "");
    EXPECT_EQ(this->driver_.focusName(), "NValEdit3");
    EXPECT_EQ(this->driver_.template widget<TNValEdit>("NValEdit3")->Text(), "0");
    EXPECT_EQ(this->driver_.template widget<TNValEdit>("NValEdit4")->Text(), "0");
}

TYPED_TEST(EachWindow, ShowingSetsTheCaptionAndDatesTheStatusBar) {
    ASSERT_EQ(QLocale::system().name(), QStringLiteral("ja_JP"))
        << "run on a Japanese desktop: LANG=ja_JP.UTF-8";
    typename TypeParam::Form unshown{this->help_};
    EXPECT_EQ(FormDriver(unshown).statusPanelText(), "");

    EXPECT_EQ(this->form_.windowTitle(), QString::fromUtf16(TypeParam::kCaption));
    EXPECT_EQ(this->driver_.statusPanelText(), QDate::currentDate().toString(u"yyyy/MM/dd"));
}

// The taskbar shows what the menu entry shows: the drawn icon, at each size it was drawn at.
TYPED_TEST(EachWindow, TheWindowIconIsTheDrawnIconAtEverySize) {
    const QIcon icon = this->form_.windowIcon();
    ASSERT_EQ(icon.availableSizes().size(), static_cast<qsizetype>(kDesktopIconSides.size()));
    for (const int side : kDesktopIconSides) {
        SCOPED_TRACE(side);
        const QImage drawn(
            QStringLiteral(NORVIK_RESOURCES_DIR "/hicolor/%1x%1/apps/norvik.png").arg(side));
        ASSERT_FALSE(drawn.isNull());
        EXPECT_EQ(icon.pixmap(QSize(side, side), 1.0).toImage().convertToFormat(drawn.format()),
                  drawn);
    }
}

TYPED_TEST(EachWindow, EnterInTheDependentsEditComputesTheWorkedExample) {
    this->driver_.enterSalaryAndDependents("300000", "2");
    EXPECT_EQ(this->driver_.focusName(), TypeParam::kFocusAfterRequest);
    this->expectWorkedExample();
}

TYPED_TEST(EachWindow, EnterInTheSalaryEditOnlyMovesOn) {
    this->driver_.type("300000");
    this->driver_.press(Qt::Key_Return);
    EXPECT_EQ(this->driver_.focusName(), "NValEdit4");
    this->expectCleared();
    EXPECT_EQ(this->text(TypeParam::kLegendField), "");
}

TYPED_TEST(EachWindow, EveryWayToComputeGivesTheWorkedExampleAgainAndAgain) {
    FormDriver& driver = this->driver_;
    for (const auto& command : this->waysToGive(Qt::Key_F5, TypeParam::kComputeButton, 0)) {
        SCOPED_TRACE(command.way);
        driver.press(Qt::Key_Escape);
        driver.widget<QWidget>("NValEdit3")->setFocus();
        driver.type("300000");
        driver.press(Qt::Key_Return);
        driver.type("2");
        command.give();
        this->expectWorkedExample();
        command.give();
        this->expectWorkedExample();
    }
}

TYPED_TEST(EachWindow, EveryWayToClearEmptiesAllButTheLegendAndFocusesTheSalary) {
    FormDriver& driver = this->driver_;
    for (const auto& command : this->waysToGive(Qt::Key_Escape, TypeParam::kClearButton, 1)) {
        for (const char* edit : {"NValEdit3", "NValEdit4"}) {
            SCOPED_TRACE(command.way + " in " + edit);
            driver.enterSalaryAndDependents("300000", "2");
            const QString legend = this->text(TypeParam::kLegendField);
            ASSERT_NE(legend, "");
            driver.widget<QWidget>(edit)->setFocus();

            command.give();

            this->expectCleared();
            EXPECT_EQ(this->text(TypeParam::kLegendField), legend) << "the legend stays";
            EXPECT_EQ(driver.widget<TNValEdit>("NValEdit3")->Text(), "0");
            EXPECT_EQ(driver.widget<TNValEdit>("NValEdit4")->Text(), "0");
            EXPECT_EQ(driver.focusName(), "NValEdit3");
        }
    }
}

TYPED_TEST(EachWindow, EveryWayToEndClosesTheWindow) {
    FormDriver& driver = this->driver_;
    for (const auto& command : this->waysToGive(Qt::Key_End, TypeParam::kExitButton, 2)) {
        for (const char* edit : {"NValEdit3", "NValEdit4"}) {
            SCOPED_TRACE(command.way + " in " + edit);
            ASSERT_TRUE(driver.showAndActivate());
            driver.widget<QWidget>(edit)->setFocus();
            command.give();
            EXPECT_FALSE(this->form_.isVisible());
        }
    }
}

TYPED_TEST(EachWindow, ThePopupMenuNamesItsCommandsAndTheirKeys) {
    const QMenu* menu = this->form_.PopupMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QString::fromUtf16(TypeParam::kComputeMenuItem));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(items[1]->text(), "Clear");
    EXPECT_EQ(items[1]->shortcut(), QKeySequence(Qt::Key_Escape));
    EXPECT_EQ(items[2]->text(), QString::fromUtf16(u"終　了"));
    EXPECT_EQ(items[2]->shortcut(), QKeySequence(Qt::Key_End));
}

TYPED_TEST(EachWindow, ARightClickAnywhereOpensThePopupMenu) {
    for (const char* place : TypeParam::kRightClickPlaces) {
        this->driver_.rightClick(place);
        ASSERT_TRUE(this->form_.PopupMenu()->isVisible()) << place;
        this->form_.PopupMenu()->hide();
    }
}

TYPED_TEST(EachWindow, TabAndShiftTabGoRoundTheInputs) {
    const auto& cycle = TypeParam::kTabCycle;
    const auto size = static_cast<int>(cycle.size());
    for (int step = 1; step <= size + 1; ++step) {
        this->driver_.press(Qt::Key_Tab);
        EXPECT_EQ(this->driver_.focusName(), cycle[step % size]) << "Tab " << step;
    }
    for (int step = 1; step <= size + 1; ++step) {
        this->driver_.press(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(this->driver_.focusName(), cycle[(size + 1 - step) % size])
            << "Shift+Tab " << step;
    }
}

TYPED_TEST(EachWindow, HelpAsksTheDesktopToOpenTheFileBesideTheProgramAndChangesNothing) {
    this->driver_.type("300000");
    this->driver_.click(TypeParam::kHelpButton);
    ASSERT_EQ(this->help_.opened.size(), 1);
    EXPECT_EQ(this->help_.opened.front(), helpFileBesideThisProgram());
    EXPECT_TRUE(this->form_.isVisible());
    EXPECT_EQ(this->driver_.template widget<TNValEdit>("NValEdit3")->Text(), "300,000");
    EXPECT_EQ(this->text("alldata"), "0");
}

TYPED_TEST(EachWindow, EveryInputAndResultTellsAssistiveTechnologyWhatItShows) {
    std::vector<const char*> fields{"NValEdit3", "NValEdit4", TypeParam::kLegendField};
    const auto add = [&fields](const auto& group) {
        fields.insert(fields.end(), group.begin(), group.end());
    };
    add(TypeParam::kOtherInputs);
    add(TypeParam::kAmountFields);
    add(TypeParam::kFormulaFields);
    add(TypeParam::kDeductionFields);
    for (const char* name : fields) {
        QWidget* field = this->driver_.template widget<QWidget>(name);
        EXPECT_FALSE(field->accessibleDescription().isEmpty()) << name;
        // A name would hide the amount itself from a screen reader, unless the field still
        // offers its text to be read.
        EXPECT_TRUE(field->accessibleName().isEmpty() || readableText(field) == this->text(name))
            << name;
    }
}

TYPED_TEST(EachWindow, AScreenReaderReachesEachInputByItsOwnNameAndHearsAnEmptyResultAsEmpty) {
    expectAnnounced(this->driver_, TypeParam::kAnnounced);
}

} // namespace
} // namespace norvik
