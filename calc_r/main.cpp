#include "calc_r/unorvikR.h"
#include "controls/forms/DesktopHelpOpener.h"
#include "controls/forms/NorvikApplication.h"
#include "controls/forms/ProgramVersion.h"

int main(int argc, char* argv[]) {
    if (norvik::printedVersion(argc, argv, "norvik_r")) {
        return 0;
    }
    norvik::NorvikApplication app(
        argc, argv, QStringLiteral("源泉徴収税額算出-令和2年分以降-月額表甲欄・乙欄-"));
    norvik::DesktopHelpOpener helpOpener;
    norvik::TfnorvikR fnorvikR(helpOpener);
    fnorvikR.show();
    return norvik::NorvikApplication::exec();
}
