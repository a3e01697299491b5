#include "controls/winxp/WinXP.h"
#include "controls/forms/TForm.h"
#include "controls/winxp/TXPManifest.h"
#include "controls/winxp/VisualStyles.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace norvik {
namespace {

class DerivedForm : public TForm {};

std::string refusal(QObject* owner) {
    try {
        TWinXP component(owner);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "accepted";
}

TEST(WinXP, LivesOnAFormOrAFormsDescendant) {
    TForm form;
    EXPECT_NO_THROW(new TWinXP(&form));
    DerivedForm derived;
    EXPECT_NO_THROW(new TWinXP(&derived));
}

TEST(WinXP, RefusesAnOwnerThatIsNotAForm) {
    QWidget widget;
    EXPECT_EQ(refusal(&widget), "Control parent must be a form!");
    EXPECT_EQ(refusal(nullptr), "Control parent must be a form!");
    EXPECT_TRUE(widget.children().isEmpty()) << "the refused component leaves its owner";
}

TEST(WinXP, RefusesASecondInstanceOnOneForm) {
    TForm form;
    new TWinXP(&form);
    EXPECT_EQ(refusal(&form), "Only one instance of TWinXP allowed on form");
    EXPECT_EQ(form.findChildren<TWinXP*>().size(), 1);
}

// Either component on a form is what has the desktop draw the controls in its style; the
// programs leave the switch to them.
TEST(VisualStyleComponents, SwitchTheStylesOnOnceAccepted) {
    visualstyles::disable();
    QWidget widget;
    refusal(&widget);
    EXPECT_FALSE(visualstyles::active()) << "a refused component switches nothing on";

    TForm kouForm;
    new TWinXP(&kouForm);
    EXPECT_TRUE(visualstyles::active()) << "the visual-style component";

    visualstyles::disable();
    TForm otsuForm;
    new TXPManifest(&otsuForm);
    EXPECT_TRUE(visualstyles::active()) << "the themed-controls component";
    visualstyles::disable();
}

} // namespace
} // namespace norvik
