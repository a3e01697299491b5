// At display scale 2 a button's 32 x 32 icon must come from the image drawn at twice that size,
// pixel for pixel, not from the small one enlarged (which smooths it into a blur). The test
// command runs this file once per scale factor; scales between 1 and 2 have no image of their own
// and are left to Qt's scaling.

#include "FormDriver.h"
#include "RecordingHelpOpener.h"

#include "calc_kou/unorvik.h"
#include "calc_r/unorvikR.h"
#include "controls/iconbtn/IconBtn.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

namespace norvik {
namespace {

QImage storedImage(const QString& path, int index) {
    QImageReader reader(path);
    reader.jumpToImage(index);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

// Pixels of the icon's opaque parts that the button shows otherwise than the stored image.
int differingPixels(const QImage& shown, QPoint origin, const QImage& stored) {
    int differing = 0;
    for (int y = 0; y < stored.height(); ++y) {
        for (int x = 0; x < stored.width(); ++x) {
            const QRgb pixel = stored.pixel(x, y);
            if (qAlpha(pixel) == 255 && shown.pixel(origin + QPoint(x, y)) != pixel) {
                ++differing;
            }
        }
    }
    return differing;
}

template <typename Form>
void expectIconsDrawnForTheDisplayScale() {
    RecordingHelpOpener help;
    Form form{help};
    FormDriver driver{form};
    ASSERT_TRUE(driver.showAndActivate());
    const qreal scale = form.devicePixelRatioF();
    if (scale != 1 && scale != 2) {
        GTEST_SKIP() << "no image is drawn for scale " << scale;
    }
    const int index = scale == 2 ? 1 : 0;
    const std::pair<const char*, const char*> buttons[] = {
        {"IconButton13", ":/images/clear.ico"},
        {"IconButton8", ":/images/help.ico"},
        {"IconButton7", ":/images/exit.ico"},
    };
    for (const auto& [name, path] : buttons) {
        auto* button = driver.widget<TIconButton>(name);
        const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QPoint logicalOrigin(button->width() / 2 - 16, button->height() / 2 - 16);
        const QImage stored = storedImage(QString::fromLatin1(path), index);
        ASSERT_EQ(stored.width(), static_cast<int>(32 * scale)) << name;
        EXPECT_EQ(differingPixels(shown, logicalOrigin * scale, stored), 0) << name;
    }
}

TEST(ScaledIcons, ButtonsShowTheImageDrawnForTheDisplayScale) {
    expectIconsDrawnForTheDisplayScale<Tfnorvik>();
}

TEST(ScaledIcons, TheWindowForTodaysWithholdingShowsTheImageDrawnForTheDisplayScale) {
    expectIconsDrawnForTheDisplayScale<TfnorvikR>();
}

} // namespace
} // namespace norvik
