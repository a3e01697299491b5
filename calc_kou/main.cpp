#include "calc_kou/unorvik.h"
#include "controls/DesktopHelpOpener.h"
#include "controls/NorvikApplication.h"
#include "controls/VisualStyles.h"

int main(int argc, char* argv[]) {
    NorvikApplication app(argc, argv,
                          QStringLiteral("電算機計算の特例による源泉徴収税額算出-月額表甲欄-"));
    // The visual-style component's manifest has the desktop draw the controls in its style.
    VisualStyles::enable();
    DesktopHelpOpener helpOpener;
    norvik::Tfnorvik fnorvik(helpOpener);
    fnorvik.show();
    return NorvikApplication::exec();
}
