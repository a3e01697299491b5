// HELP in every window hands norvik.CHM beside the program to the desktop, which starts the
// help viewer on it, with no desktop session running. The window itself never changes.

#include "FormDriver.h"
#include "ViewerWindows.h"
#include "calc_kou/unorvik.h"
#include "calc_otsu/unorvikB.h"
#include "calc_r/unorvikR.h"
#include "controls/forms/DesktopHelpOpener.h"
#include "controls/forms/HelpFile.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace norvik {
namespace {

const QString kHelpTitle = QString::fromUtf16(u"源泉徴収税額算出プログラム ヘルプ");

struct Calculator {
    const char* name;
    std::function<std::unique_ptr<QWidget>(HelpOpener&)> makeWindow;
    const char* helpButton;
    const char* workedExampleTax; // 300,000 yen, 2 dependents
};

// The window for today's withholding, on a payment day whose tables it holds whatever today is.
std::unique_ptr<QWidget> reiwaWindowPaidOn20261225(HelpOpener& opener) {
    auto window = std::make_unique<norvik::TfnorvikR>(opener);
    window->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->setDate(QDate(2026, 12, 25));
    return window;
}

const Calculator kCalculators[] = {
    {"norvik_a", [](HelpOpener& opener) { return std::make_unique<norvik::Tfnorvik>(opener); },
     "IconButton8", "3,420"},
    {"norvik_b", [](HelpOpener& opener) { return std::make_unique<norvik::TfnorvikB>(opener); },
     "IconButton6", "48,600"},
    {"norvik_r", reiwaWindowPaidOn20261225, "IconButton8", "4,700"},
};

// Every text the window shows, by control name.
std::map<QString, QString> shownTexts(const QWidget& window) {
    std::map<QString, QString> texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        texts[label->objectName()] = label->text();
    }
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        texts[edit->objectName()] = edit->text();
    }
    return texts;
}

std::string procCommandLine(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().replace('\0', ' ').toStdString();
}

class HelpViewer : public ::testing::TestWithParam<Calculator> {
protected:
    void SetUp() override {
        ASSERT_TRUE(viewer.find().isEmpty()) << "a help viewer is open before the test";
        window = GetParam().makeWindow(opener);
        driver = std::make_unique<FormDriver>(*window);
        driver->enterSalaryAndDependents("300000", "2");
    }

    void TearDown() override {
        EXPECT_TRUE(viewer.closeAll(10000, besideProgram)) << "the viewer did not close";
        QFile::remove(besideProgram);
    }

    void pressHelp() {
        QTest::mouseClick(driver->widget<QWidget>(GetParam().helpButton), Qt::LeftButton);
    }

    const QString besideProgram = helpFileBesideProgram().toLocalFile();
    const ViewerWindows viewer{kHelpTitle};
    DesktopHelpOpener opener;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<FormDriver> driver;
};

TEST_P(HelpViewer, OpensTheViewerOnTheFileBesideTheProgramAndLeavesTheWindowAsItWas) {
    QFile::remove(besideProgram);
    ASSERT_TRUE(QFile::copy(QStringLiteral(NORVIK_HELP_FILE), besideProgram));
    const auto before = shownTexts(*window);
    ASSERT_EQ(before.at("alldata"), GetParam().workedExampleTax);

    pressHelp();

    const qint64 pid = viewer.waitForProcess(30000);
    ASSERT_GT(pid, 0) << "no window titled " << kHelpTitle.toStdString();
    EXPECT_NE(procCommandLine(pid).find(besideProgram.toStdString()), std::string::npos)
        << procCommandLine(pid);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shownTexts(*window), before);
}

TEST_P(HelpViewer, WithoutTheFileDoesNothingAndLeavesTheWindowAsItWas) {
    QFile::remove(besideProgram);
    const auto before = shownTexts(*window);

    pressHelp();

    EXPECT_FALSE(viewer.waitForOne(5000));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shownTexts(*window), before);
}

INSTANTIATE_TEST_SUITE_P(EveryCalculator, HelpViewer, ::testing::ValuesIn(kCalculators),
                         [](const ::testing::TestParamInfo<Calculator>& test) {
                             return std::string(test.param.name);
                         });

} // namespace
} // namespace norvik
