#include "controls/forms/NorvikApplication.h"

#include "controls/forms/JapaneseFonts.h"

#include <QFont>

namespace norvik {

NorvikApplication::NorvikApplication(int& argc, char** argv, const QString& title)
    : QApplication(argc, argv) {
    // The title names the program to the desktop (task switchers, window grouping). It is not
    // made the display name, which Qt would append to every window caption.
    setApplicationName(title);
    installJapaneseFontSubstitutes();
    // The window font of the layouts serves the menus and message boxes too, so that they speak
    // Japanese in the same face. Every face the layouts use holds every glyph they show, so Qt
    // need not line up fallback fonts for each one: that search is most of a cold start.
    QFont font(QString::fromUtf16(u"ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoFontMerging);
    setFont(font);
}

} // namespace norvik
