#include <QByteArray>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace norvik {
namespace {

// The images are read through the compiled-in resource file, as the programs read them, so a
// file missing from it or listed under another name fails here too.
struct IconCase {
    const char* name;
    int side;
    int maxColours;
    int storedBits;
};

std::ostream& operator<<(std::ostream& out, const IconCase& icon) {
    return out << icon.name;
}

QString resourcePath(const IconCase& icon) {
    return QStringLiteral(":/images/%1.ico").arg(QLatin1String(icon.name));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int littleEndian16(const QByteArray& bytes, int offset) {
    return static_cast<std::uint8_t>(bytes.at(offset)) |
           static_cast<std::uint8_t>(bytes.at(offset + 1)) << 8;
}

QImage decoded(const QString& path) {
    QImageReader reader(path);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

// Every image an icon file holds: its stored side, then twice that for displays scaled to 2.
QList<QImage> decodedImages(const QString& path) {
    QImageReader reader(path);
    QList<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i)) {
            break;
        }
        images.append(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

class IconFile : public ::testing::TestWithParam<IconCase> {};

TEST_P(IconFile, ReadsBackAsAnIconOfItsSideThenOfTwiceItsSide) {
    QImageReader reader(resourcePath(GetParam()));
    EXPECT_EQ(reader.format(), "ico");
    const QList<QImage> images = decodedImages(resourcePath(GetParam()));
    ASSERT_EQ(images.size(), 2);
    const int side = GetParam().side;
    EXPECT_EQ(images[0].size(), QSize(side, side));
    EXPECT_EQ(images[1].size(), QSize(2 * side, 2 * side));
}

TEST_P(IconFile, QIconOffersItAtItsSideAndAtTwiceItsSide) {
    const QIcon icon(resourcePath(GetParam()));
    const int side = GetParam().side;
    EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(2 * side, 2 * side)));
}

// A 16-colour icon stored at eight bits or more per pixel would no longer be a 16-colour icon.
TEST_P(IconFile, IsStoredWithThePaletteDepthOfItsColourLimit) {
    const QByteArray bytes = fileBytes(resourcePath(GetParam()));
    ASSERT_GE(bytes.size(), 22);
    EXPECT_EQ(littleEndian16(bytes, 2), 1) << "type: icon";
    EXPECT_EQ(littleEndian16(bytes, 4), 2) << "image count";
    EXPECT_EQ(littleEndian16(bytes, 12), GetParam().storedBits) << "bits per pixel, first";
    EXPECT_EQ(littleEndian16(bytes, 28), GetParam().storedBits) << "bits per pixel, second";
}

TEST_P(IconFile, ShowsNoMoreColoursThanItsLimitAtEitherSize) {
    for (const QImage& image : decodedImages(resourcePath(GetParam()))) {
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 0) {
                    colours.insert(image.pixel(x, y));
                }
            }
        }
        EXPECT_LE(colours.size(), GetParam().maxColours) << image.width();
    }
}

// The buttons draw the icon on three different faces; a lost or inverted mask would show a
// square of the icon's own background instead of the face.
TEST_P(IconFile, HasATransparentCornerAroundAnOpaqueSubjectAtEitherSize) {
    const QList<QImage> images = decodedImages(resourcePath(GetParam()));
    ASSERT_FALSE(images.isEmpty());
    for (const QImage& image : images) {
        const int centre = image.width() / 2;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << image.width();
        EXPECT_EQ(qAlpha(image.pixel(centre, centre)), 255) << image.width();
    }
}

const IconCase kIcons[] = {
    {"monitor", 48, 256, 8}, {"compute", 48, 256, 8}, {"clear", 32, 16, 4},
    {"help", 32, 256, 8},    {"exit", 32, 16, 4},
};

INSTANTIATE_TEST_SUITE_P(Icons, IconFile, ::testing::ValuesIn(kIcons),
                         [](const auto& test) { return std::string(test.param.name); });

const QString kPanelPath = QStringLiteral(":/images/panel.bmp");

TEST(PanelBitmap, IsAWhiteFiftyPixelSquareInAOnePixelBlackFrame) {
    const QImage image = decoded(kPanelPath);
    ASSERT_EQ(image.size(), QSize(50, 50));
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) {
            const bool onFrame = x == 0 || y == 0 || x == 49 || y == 49;
            const QRgb expected = onFrame ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            ASSERT_EQ(image.pixel(x, y), expected) << "at " << x << ", " << y;
        }
    }
}

TEST(PanelBitmap, IsStoredWith32BitsPerPixel) {
    const QByteArray bytes = fileBytes(kPanelPath);
    ASSERT_GE(bytes.size(), 54);
    EXPECT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(littleEndian16(bytes, 28), 32);
}

} // namespace
} // namespace norvik
