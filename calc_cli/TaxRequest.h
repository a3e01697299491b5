#pragma once

#include "calc_cli/EditEntry.h"
#include "result/TaxColumn.h"

namespace norvik {

// One employee's month, as the window of its column would be filled in.
struct TaxRequest {
    TaxColumn column = TaxColumn::Kou;
    EditEntry salary;
    EditEntry dependents;
    bool spouse = false; // the spouse deduction applies; column 甲 only
};

} // namespace norvik
