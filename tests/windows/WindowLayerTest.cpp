#include "controls/forms/JapaneseFonts.h"
#include "controls/forms/LayoutFonts.h"
#include "controls/forms/TForm.h"
#include "controls/forms/TStaticText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

#include <stdexcept>

namespace norvik {
namespace {

TEST(JapaneseFonts, WindowsFamiliesRenderWithTheInstalledFontOfTheSameDesign) {
    const struct {
        const char16_t* windowsFamily;
        const char* installed;
    } cases[] = {
        {u"ＭＳ ゴシック", "IPAGothic"},
        {u"ＭＳ Ｐゴシック", "IPAPGothic"},
        {u"ＭＳ 明朝", "IPAMincho"},
        {u"ＭＳ Ｐ明朝", "IPAPMincho"},
    };
    for (const auto& c : cases) {
        const QFont font(QString::fromUtf16(c.windowsFamily));
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(c.installed))
            << QString::fromUtf16(c.windowsFamily).toStdString();
    }
}

TEST(LayoutFonts, StoredSizesBecomePixelHeightsAndChildrenInheritThem) {
    QWidget parent;
    QFont parentFont = parent.font();
    parentFont.setPointSize(12);
    parent.setFont(parentFont);
    auto* inheriting = new QLabel(&parent);
    auto* own = new QLabel(&parent);
    QFont ownFont(QStringLiteral("IPAGothic"));
    ownFont.setPointSize(15);
    own->setFont(ownFont);

    applyLayoutFonts(&parent);

    EXPECT_EQ(parent.font().pixelSize(), 12);
    EXPECT_EQ(inheriting->font().pixelSize(), 12);
    EXPECT_EQ(own->font().pixelSize(), 15);
    EXPECT_EQ(own->font().family(), QStringLiteral("IPAGothic"));
}

TEST(TStaticText, PaintsItsColourAndABlackSingleBorderWhateverItsTextColour) {
    TStaticText label;
    label.resize(80, 19);
    label.setColor(10652814); // (142, 140, 162)
    label.setFontColor(clWhite);
    label.setSingleBorder(true);
    const QImage image = label.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(79, 18), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(142, 140, 162));
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST(TStaticText, WithoutBorderTheColourReachesTheEdge) {
    TStaticText label;
    label.resize(27, 19);
    label.setColor(clWhite);
    const QImage image = label.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
}

class TextsForm : public TForm {
public:
    using TForm::showFields;
};

TEST(TFormTexts, WritesEveryNamedLabelAndRefusesAnUnknownName) {
    TextsForm form;
    auto* total = new QLabel(&form);
    total->setObjectName(QStringLiteral("alldata"));
    auto* formula = new QLabel(QStringLiteral("(300,000-105000)×5%"), &form);
    formula->setObjectName(QStringLiteral("formula3"));
    form.showFields({{"alldata", "", false, "3,420"}, {"formula3", "", true, ""}});
    EXPECT_EQ(total->text(), QStringLiteral("3,420"));
    EXPECT_TRUE(formula->text().isEmpty());

    EXPECT_THROW(form.showFields({{"data9", "", false, "0"}}), std::logic_error);
}

} // namespace
} // namespace norvik
