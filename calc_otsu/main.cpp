#include "calc_otsu/unorvikB.h"
#include "controls/forms/DesktopHelpOpener.h"
#include "controls/forms/NorvikApplication.h"
#include "controls/forms/ProgramVersion.h"

int main(int argc, char* argv[]) {
    if (norvik::printedVersion(argc, argv, "norvik_b")) {
        return 0;
    }
    norvik::NorvikApplication app(
        argc, argv, QStringLiteral("電算機計算の特例による源泉徴収税額算出-月額表乙欄-"));
    norvik::DesktopHelpOpener helpOpener;
    norvik::TfnorvikB fnorvikB(helpOpener);
    fnorvikB.show();
    return norvik::NorvikApplication::exec();
}
