// What only the column-乙 window does: it refuses a salary outside its table's range. What both
// windows do is in EachWindowTest.cpp.

#include "ModalBoxCloser.h"
#include "OtsuWindowTraits.h"
#include "WindowFixture.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace norvik {
namespace {

using OtsuWindow = WindowFixture<OtsuWindowTraits>;

const char16_t* const kExplanation =
    u"主たる給与と従たる給与の合計額に対する税額-主たる給与に対する税額-扶養控除";

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
        driver_.enterSalaryAndDependents(c.salary, "0");
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

} // namespace
} // namespace norvik
