#include "controls/PixelFontHeights.h"

#include <QWidget>

namespace {

void convert(QWidget* widget) {
    QFont font = widget->font();
    if (widget->testAttribute(Qt::WA_SetFont) && (font.resolveMask() & QFont::SizeResolved) &&
        font.pointSize() > 0) {
        font.setPixelSize(font.pointSize());
        widget->setFont(font);
    }
}

} // namespace

void applyPixelFontHeights(QWidget* root) {
    // Parents first, so that children who inherit the size inherit the pixel size.
    convert(root);
    for (QWidget* child : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        applyPixelFontHeights(child);
    }
}
