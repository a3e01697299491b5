#include "controls/forms/LayoutFonts.h"

#include "controls/forms/JapaneseFonts.h"

#include <QWidget>

namespace norvik {

namespace {

void adapt(QWidget* widget) {
    if (!widget->testAttribute(Qt::WA_SetFont)) {
        return; // inherits its parent's font, adapted already
    }
    QFont font = widget->font();
    if ((font.resolveMask() & QFont::SizeResolved) && font.pointSize() > 0) {
        font.setPixelSize(font.pointSize());
    }
    font.setStyleStrategy(QFont::NoFontMerging);
    matchNamedFaceMetrics(font);
    widget->setFont(font);
}

} // namespace

void applyLayoutFonts(QWidget* root) {
    // Parents first, so that children who inherit the size inherit the pixel size.
    adapt(root);
    for (QWidget* child : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        applyLayoutFonts(child);
    }
}

} // namespace norvik
