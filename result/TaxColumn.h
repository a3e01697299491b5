#pragma once

namespace norvik {

// Column 甲 (the employee filed a dependents declaration with this employer) or column 乙 (a
// secondary employer, or no declaration).
enum class TaxColumn { Kou, Otsu };

} // namespace norvik
