#include "calc_reiwa/WholeInput.h"

#include "money/AmountText.h"

#include <cmath>
#include <string>

namespace norvik {

WholeInput wholeInput(Extended value, const InputName& input, RuleSet rules) {
    auto refuse = [&](std::string_view particle, std::string_view reason) {
        return WholeInput{0, Refusal{"情報",
                                     std::string(ruleSetName(rules))
                                         .append("の規定では、")
                                         .append(input.name)
                                         .append(particle)
                                         .append(reason),
                                     RefusalReason::BadInput}};
    };
    if (!std::isfinite(value)) {
        return refuse("が", "数値ではありません。");
    }
    if (value < 0) {
        return refuse("に", "負の数は使えません。");
    }
    if (value != std::floor(value)) {
        return refuse("に", input.fractionAdvice);
    }
    if (value > static_cast<Extended>(kLargestWholeInput)) {
        return refuse("は", amountText(kLargestWholeInput) + "までです。");
    }
    return WholeInput{static_cast<std::int64_t>(value), std::nullopt};
}

} // namespace norvik
