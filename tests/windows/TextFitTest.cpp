// Every caption and text of every window must show whole inside its box at the display scale the
// process runs at (the test command runs this file once per scale factor), and a box label's
// caption keeps at least one device pixel of the box's colour between its ink and the frame on
// the left and on the right. A text is found by its ink: the window is rendered with and without
// it, and the pixels that differ are the text.

#include "FormDriver.h"
#include "RecordingHelpOpener.h"

#include "calc_kou/unorvik.h"
#include "calc_otsu/unorvikB.h"
#include "calc_r/unorvikR.h"
#include "controls/boxlabl/BoxLabl.h"
#include "controls/forms/TStaticText.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QImage>
#include <QPixmap>

#include <cmath>
#include <functional>
#include <optional>

#include <gtest/gtest.h>

namespace norvik {
namespace {

// One text of the window: how to read and replace it, what stands for "no text" (a group box
// moves its frame when its title goes), the part of its widget that the text may cover, and the
// device pixels it must keep free at either side of that part.
struct PlacedText {
    QWidget* widget;
    QString text;
    std::function<void(const QString&)> setText;
    QString blank;
    QRect room;
    int sideMargin = 0;
};

QImage shot(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

std::optional<QRect> differingPixels(const QImage& a, const QImage& b) {
    std::optional<QRect> box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

std::optional<QRect> inkOf(const PlacedText& placed) {
    const QImage with = shot(placed.widget);
    placed.setText(placed.blank);
    const QImage without = shot(placed.widget);
    placed.setText(placed.text);
    return differingPixels(with, without);
}

// The same text given all the room it could want: a text that was cut shows more ink here. The
// box grows by a multiple of 8 so that a centred text moves by whole pixels at 1.25 and 1.5 and
// is drawn exactly as before.
std::optional<QRect> unboundedInkOf(const PlacedText& placed) {
    const QSize size = placed.widget->size();
    placed.widget->resize(size + QSize(320, 64));
    const std::optional<QRect> ink = inkOf(placed);
    placed.widget->resize(size);
    return ink;
}

// The device pixels of a room; at a fractional scale an edge falls inside a pixel, which
// belongs to the side that covers most of it.
QRect inDevicePixels(const QRect& room, qreal scale) {
    const auto edge = [scale](int logical) {
        return static_cast<int>(std::lround(logical * scale));
    };
    return QRect(QPoint(edge(room.left()), edge(room.top())),
                 QPoint(edge(room.right() + 1) - 1, edge(room.bottom() + 1) - 1));
}

QList<PlacedText> textsOf(QWidget& form) {
    QList<PlacedText> texts;
    for (TBoxLabel* label : form.findChildren<TBoxLabel*>()) {
        // Inside the single border line; ink in the column next to it reads as touching it.
        texts.append({label,
                      label->Caption(),
                      [label](const QString& t) { label->setCaption(t); },
                      {},
                      label->rect().adjusted(1, 1, -1, -1),
                      1});
    }
    for (TStaticText* label : form.findChildren<TStaticText*>()) {
        texts.append({label,
                      label->text(),
                      [label](const QString& t) { label->setText(t); },
                      {},
                      label->contentsRect()});
    }
    for (QGroupBox* group : form.findChildren<QGroupBox*>()) {
        texts.append({group, group->title(), [group](const QString& t) { group->setTitle(t); },
                      QStringLiteral(" "), group->rect()});
    }
    texts.removeIf([](const PlacedText& placed) { return placed.text.isEmpty(); });
    return texts;
}

void expectEveryTextWhole(QWidget& form) {
    const qreal scale = form.devicePixelRatioF();
    const QList<PlacedText> texts = textsOf(form);
    ASSERT_GT(texts.size(), 20);
    for (const PlacedText& placed : texts) {
        const QString where = placed.widget->objectName() + " \"" + placed.text + "\" at scale " +
                              QString::number(scale);
        const std::optional<QRect> ink = inkOf(placed);
        ASSERT_TRUE(ink.has_value()) << where.toStdString() << " shows nothing";
        const QRect room = inDevicePixels(placed.room, scale)
                               .adjusted(placed.sideMargin, 0, -placed.sideMargin, 0);
        EXPECT_TRUE(room.contains(*ink))
            << where.toStdString() << ": ink " << ink->x() << "," << ink->y() << " " << ink->width()
            << "x" << ink->height() << " outside " << room.x() << "," << room.y() << " "
            << room.width() << "x" << room.height();
        const std::optional<QRect> whole = unboundedInkOf(placed);
        ASSERT_TRUE(whole.has_value());
        EXPECT_EQ(ink->size(), whole->size())
            << where.toStdString() << " is cut: " << ink->width() << "x" << ink->height() << " of "
            << whole->width() << "x" << whole->height();
    }
}

TEST(KouTextFit, EveryCaptionAndResultShowsWholeInsideItsBox) {
    RecordingHelpOpener help;
    norvik::Tfnorvik form{help};
    FormDriver driver{form};
    ASSERT_TRUE(driver.showAndActivate());
    driver.enterSalaryAndDependents("1234567", "7");
    expectEveryTextWhole(form);
}

TEST(OtsuTextFit, EveryCaptionAndResultShowsWholeInsideItsBox) {
    RecordingHelpOpener help;
    norvik::TfnorvikB form{help};
    FormDriver driver{form};
    ASSERT_TRUE(driver.showAndActivate());
    driver.enterSalaryAndDependents("1009999", "7");
    expectEveryTextWhole(form);
}

} // namespace
} // namespace norvik

namespace norvik {
namespace {

// The longest working each method writes: the computer provision with many persons, and the
// monthly table's rate row with the declaration's deduction.
TEST(ReiwaTextFit, EveryCaptionAndResultShowsWholeInsideItsBox) {
    for (const char* method : {"RadioGroup3Item1", "RadioGroup2Item1"}) {
        RecordingHelpOpener help;
        norvik::TfnorvikR form{help};
        FormDriver driver{form};
        ASSERT_TRUE(driver.showAndActivate());
        driver.widget<QDateEdit>("DateTimePicker1")->setDate(QDate(2025, 12, 25));
        driver.click(method);
        driver.enterSalaryAndDependents("1234567", "9");
        expectEveryTextWhole(form);
    }
}

} // namespace
} // namespace norvik
