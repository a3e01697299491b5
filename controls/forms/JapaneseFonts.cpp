#include "controls/forms/JapaneseFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace norvik {

namespace {

struct FontSubstitute {
    const char16_t* windowsFamily;
    QStringList installedFamilies; // first installed one wins
};

// Debian ships the IPA fonts; the Takao and Noto families are their usual replacements on
// other distributions.
const FontSubstitute kSubstitutes[] = {
    {u"ＭＳ ゴシック", {"IPAGothic", "TakaoGothic", "Noto Sans Mono CJK JP"}},
    {u"ＭＳ Ｐゴシック", {"IPAPGothic", "TakaoPGothic", "Noto Sans CJK JP"}},
    {u"ＭＳ 明朝", {"IPAMincho", "TakaoMincho", "Noto Serif CJK JP"}},
    {u"ＭＳ Ｐ明朝", {"IPAPMincho", "TakaoPMincho", "Noto Serif CJK JP"}},
};

const char16_t* const kNarrowLatinFamily = u"ＭＳ Ｐ明朝";

// The widest Latin caption of the layouts and the room they give it at height 12: 48 pixels
// inside the 50-pixel box label of column 乙.
const char16_t* const kWidestLatinCaption = u"Clear(Esc)";
constexpr double kWidestLatinCaptionEms = 48.0 / 12.0;

bool isSubstituted(const QFont& font) {
    // Substitutes are installed only for families that are missing, so their presence tells.
    return !QFont::substitutes(font.family()).isEmpty();
}

void matchLineHeight(QFont& font, int layoutHeight) {
    const double lineHeight = QFontMetricsF(font).height();
    if (layoutHeight <= 0 || lineHeight <= layoutHeight) {
        return;
    }
    const double em = layoutHeight * layoutHeight / lineHeight;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
}

void matchLatinWidth(QFont& font, int layoutHeight) {
    if (font.family() != QString::fromUtf16(kNarrowLatinFamily) || layoutHeight <= 0) {
        return;
    }
    const double width =
        QFontMetricsF(font).horizontalAdvance(QString::fromUtf16(kWidestLatinCaption));
    const double wanted = kWidestLatinCaptionEms * layoutHeight;
    if (width > wanted) {
        font.setStretch(static_cast<int>(std::floor(100.0 * wanted / width)));
    }
}

} // namespace

void matchNamedFaceMetrics(QFont& font) {
    if (!isSubstituted(font)) {
        return;
    }
    const int layoutHeight = font.pixelSize();
    matchLineHeight(font, layoutHeight);
    matchLatinWidth(font, layoutHeight);
}

void installJapaneseFontSubstitutes() {
    // Asked one by one rather than looked up in QFontDatabase::families(): that list names each
    // family in the desktop's language, so a Japanese desktop lists "IPA P明朝", not
    // "IPAPMincho", and the Windows faces would silently fall to whatever fontconfig offers.
    for (const FontSubstitute& substitute : kSubstitutes) {
        const QString family = QString::fromUtf16(substitute.windowsFamily);
        if (QFontDatabase::hasFamily(family)) {
            continue;
        }
        QStringList available;
        for (const QString& candidate : substitute.installedFamilies) {
            if (QFontDatabase::hasFamily(candidate)) {
                available.append(candidate);
            }
        }
        if (!available.isEmpty()) {
            QFont::insertSubstitutions(family, available);
        }
    }
}

} // namespace norvik
