// Draws the icons and the panel bitmap and writes them into the folder named on the command
// line (resources/regenerate.sh passes the resources folder).

#include "Artwork.h"
#include "BmpEncoder.h"
#include "DesktopIconArt.h"
#include "IcoEncoder.h"
#include "MedianCut.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

struct IconJob {
    const char* name;
    QImage (*draw)();
    int bitsPerPixel;
    QImage (*drawAtDoubleSize)();
};

// A 256-colour icon keeps one entry free for the black that transparent pixels must carry.
constexpr int kColoursBeside256ColourBlack = 255;

QImage reduced(const QImage& drawing, int bitsPerPixel) {
    if (bitsPerPixel == 8) {
        return norvik::MedianCut(kColoursBeside256ColourBlack).reduce(drawing);
    }
    return drawing;
}

// Each icon at its stored size, then at twice that for displays scaled to 2.
QList<QImage> iconImages(const IconJob& job) {
    return {reduced(job.draw(), job.bitsPerPixel),
            reduced(job.drawAtDoubleSize(), job.bitsPerPixel)};
}

void writeFile(const QDir& folder, const QString& name, const QByteArray& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
    std::printf("wrote %s (%lld bytes)\n", qPrintable(path), static_cast<long long>(bytes.size()));
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

// Laid out as the hicolor theme is, so that the install copies the folder as it stands.
void writeDesktopIcons(const QDir& folder) {
    for (const int side : norvik::kDesktopIconSides) {
        const QString sizeFolder = QStringLiteral("hicolor/%1x%1/apps").arg(side);
        if (!folder.mkpath(sizeFolder)) {
            throw std::runtime_error("cannot create " + folder.filePath(sizeFolder).toStdString());
        }
        writeFile(folder, sizeFolder + "/norvik.png", pngBytes(norvik::drawDesktopIcon(side)));
    }
}

void writeAll(const QDir& folder) {
    const IconJob jobs[] = {
        {"monitor", norvik::drawMonitor, 8, norvik::drawMonitorAtDoubleSize},
        {"compute", norvik::drawCompute, 8, norvik::drawComputeAtDoubleSize},
        {"clear", norvik::drawClear, 4, norvik::drawClearAtDoubleSize},
        {"help", norvik::drawHelp, 8, norvik::drawHelpAtDoubleSize},
        {"exit", norvik::drawExit, 4, norvik::drawExitAtDoubleSize},
    };
    for (const IconJob& job : jobs) {
        const QByteArray ico = norvik::IcoEncoder(job.bitsPerPixel).encode(iconImages(job));
        writeFile(folder, QString::fromLatin1(job.name) + ".ico", ico);
    }
    writeFile(folder, "panel.bmp", norvik::BmpEncoder().encode(norvik::drawPanel()));
    writeDesktopIcons(folder);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    try {
        writeAll(QDir(QString::fromLocal8Bit(argv[1])));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
