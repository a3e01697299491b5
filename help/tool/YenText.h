#pragma once

#include "money/Currency.h"

#include <cstdint>
#include <string>

namespace norvik::help {

// Amounts as the help's prose writes them: the window's amount text followed by 円.
std::string yen(std::int64_t amount);
std::string yen(Currency amount);

// A row's range of whole-yen amounts: "150,000円 ～ 299,999円", or "833,334円以上" for the last.
std::string yenRange(std::int64_t from, std::int64_t nextFrom, bool last);

} // namespace norvik::help
