// Arbitrary salaries and counts through the monthly table of each period and column: the tax is
// never negative, never falls as the salary rises within one count, never rises with the count,
// and the working's tax is the tax alone.

#include "FuzzCheck.h"

#include "calc_reiwa/MonthlyTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace norvik {

namespace {

constexpr std::array<RuleSet, 3> kTableRules = {RuleSet::Paid2020to2025, RuleSet::Paid2026,
                                                RuleSet::Paid2027};

// Most of the table lies below a few million yen; a wider salary is folded into the range the
// table takes, so both the printed rows and the rate rows far above them are reached.
std::int64_t salaryFrom(std::uint64_t bits) {
    const bool wide = (bits & 1) != 0;
    const auto range = static_cast<std::uint64_t>(wide ? kLargestTableInput : 4'000'000);
    return static_cast<std::int64_t>((bits >> 1) % (range + 1));
}

void checkLookup(RuleSet rules, TaxColumn column, std::int64_t salary, std::int64_t raise,
                 std::int64_t count) {
    const std::int64_t tax = monthlyTableTax(rules, column, salary, count);
    require(tax >= 0, "a tax is never negative");
    if (salary + raise <= kLargestTableInput) {
        require(monthlyTableTax(rules, column, salary + raise, count) >= tax,
                "the tax never falls as the salary rises");
    }
    require(monthlyTableTax(rules, column, salary, count + 1) <= tax,
            "the tax never rises with the count");
    const MonthlyTableResult worked = computeMonthlyTable(rules, column, salary, count);
    require(!worked.refused() && worked.tax == tax, "the working gives the tax alone");
    require(worked.text("tax").size() > 0, "the working shows its tax");
}

} // namespace

} // namespace norvik

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvik;
    if (size < 1 + 8 + 4 + 1) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    std::uint64_t salaryBits = 0;
    std::uint32_t raiseBits = 0;
    std::memcpy(&salaryBits, data + 1, sizeof salaryBits);
    std::memcpy(&raiseBits, data + 9, sizeof raiseBits);
    const RuleSet rules = kTableRules[choice % kTableRules.size()];
    const TaxColumn column = (choice & 4) != 0 ? TaxColumn::Otsu : TaxColumn::Kou;
    const std::int64_t count = data[13] % 100;
    checkLookup(rules, column, salaryFrom(salaryBits), raiseBits % 200'000, count);
    return 0;
}
