#include "help/tool/YenText.h"

#include "money/AmountText.h"

namespace norvik::help {

std::string yen(std::int64_t amount) {
    return amountText(amount) + "円";
}

std::string yen(Currency amount) {
    return amountText(amount) + "円";
}

std::string yenRange(std::int64_t from, std::int64_t nextFrom, bool last) {
    if (last) {
        return yen(from) + "以上";
    }
    return yen(from) + " ～ " + yen(nextFrom - 1);
}

} // namespace norvik::help
