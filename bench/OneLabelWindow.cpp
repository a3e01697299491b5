// The yardstick for start-up that shows text: the bare window with one Japanese caption, set up
// by the calculators' own application object, so the Windows faces are mapped the same way and
// the caption is drawn in one installed Japanese face (the window font, "ＭＳ Ｐゴシック").
// What the programs cost beyond this is their own doing: their forms, the further faces and
// sizes of their layouts, their images and their first paint.

#include "controls/forms/NorvikApplication.h"

#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    norvik::NorvikApplication app(argc, argv, QStringLiteral("源泉徴収税額"));
    QMainWindow window;
    window.setFixedSize(814, 562);
    auto* label = new QLabel(QStringLiteral("源泉徴収税額"), &window);
    label->setGeometry(16, 16, 200, 16);
    window.show();
    return norvik::NorvikApplication::exec();
}
