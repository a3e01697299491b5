#pragma once

#include "money/Extended.h"

#include <string>

namespace norvik {

// One numeric input as a window's edit holds it: the number, and the text the edit shows for it.
struct EditEntry {
    Extended value = 0;
    std::string shownText;
};

} // namespace norvik
