#pragma once

#include "money/Currency.h"
#include "money/Extended.h"

#include <cstdint>
#include <string>

namespace norvik {

// Amount texts as the result fields show them ("###,###,##0"): thousands separators, whole
// yen, a leading "-" for a negative amount. A fraction of a yen is rounded on the magnitude to
// the nearest whole yen, an exact half going to the even neighbour. An amount that rounds to
// zero shows "0" without a sign: a clerk must never copy "-0" onto a tax form.
std::string amountText(Currency amount);
std::string amountText(Extended amount);
std::string amountText(std::int64_t yen);

// amountText(yen) appended to `text`, for a text that is built piece by piece.
void appendAmountText(std::string& text, std::int64_t yen);

// Plain number texts as the formulas show them: no separators, a leading "-" when negative,
// and only the significant decimals (at most four) when there is a fraction.
std::string plainText(Currency amount);
std::string plainText(std::int64_t value);

} // namespace norvik
