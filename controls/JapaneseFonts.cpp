#include "controls/JapaneseFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

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

const char16_t* const kWideWhenSubstituted = u"ＭＳ Ｐ明朝";
constexpr int kCondensedStretch = 88;

} // namespace

void condenseWideSubstitute(QFont& font) {
    const QString family = QString::fromUtf16(kWideWhenSubstituted);
    // Substitutes are installed only for families that are missing, so their presence tells.
    if (font.family() == family && !QFont::substitutes(family).isEmpty()) {
        font.setStretch(kCondensedStretch);
    }
}

void installJapaneseFontSubstitutes() {
    const QStringList installed = QFontDatabase::families();
    for (const FontSubstitute& substitute : kSubstitutes) {
        const QString family = QString::fromUtf16(substitute.windowsFamily);
        if (installed.contains(family)) {
            continue;
        }
        QStringList available;
        for (const QString& candidate : substitute.installedFamilies) {
            if (installed.contains(candidate)) {
                available.append(candidate);
            }
        }
        if (!available.isEmpty()) {
            QFont::insertSubstitutions(family, available);
        }
    }
}
