// Arbitrary --rules and --paid texts through the choice of rules: a rule set is chosen only for
// a year that names it or for a real calendar date written YYYY-MM-DD inside its payment
// period, both must agree when both are given, and every refusal lists the periods covered.

#include "FuzzCheck.h"

#include "calc_reiwa/RuleSelection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace norvik {

namespace {

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

// The date as a number YYYYMMDD when the text is exactly a calendar date written YYYY-MM-DD.
std::optional<int> calendarDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    int number = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 4 || i == 7) {
            continue;
        }
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        number = number * 10 + (text[i] - '0');
    }
    const int year = number / 10000;
    const int month = number / 100 % 100;
    const int day = number % 100;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) {
        return std::nullopt;
    }
    return number;
}

bool paidUnder(RuleSet rules, int date) {
    switch (rules) {
    case RuleSet::Paid2007to2012:
        return date >= 20070101 && date <= 20121231;
    case RuleSet::Paid2020to2025:
        return date >= 20200101 && date <= 20251231;
    case RuleSet::Paid2026:
        return date / 10000 == 2026;
    case RuleSet::Paid2027:
        return date / 10000 == 2027;
    }
    return false;
}

void checkRefusal(const RuleChoice& choice) {
    if (choice.refusal) {
        require(choice.refusal->message.find("2007-01-01～2012-12-31") != std::string::npos &&
                    choice.refusal->message.find("2027-01-01～2027-12-31") != std::string::npos,
                "a refusal lists the periods covered");
    }
}

} // namespace

} // namespace norvik

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace norvik;
    // The year up to the first line end, the date after it; an empty one is not given.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t end = std::min(input.find('\n'), input.size());
    const std::string_view year = input.substr(0, end);
    const std::string_view date = input.substr(std::min(end + 1, input.size()));

    const RuleChoice named = rulesNamed(year);
    checkRefusal(named);
    require(named.refusal.has_value() || ruleSetYear(named.rules) == year,
            "a year chooses only the rules it names");

    const RuleChoice byDate = rulesForPaymentDate(date);
    checkRefusal(byDate);
    const std::optional<int> calendar = calendarDate(date);
    require(byDate.refusal.has_value() || (calendar && paidUnder(byDate.rules, *calendar)),
            "a date chooses only the rules of its payment period");
    if (calendar) {
        const bool covered = (*calendar >= 20070101 && *calendar <= 20121231) ||
                             (*calendar >= 20200101 && *calendar <= 20271231);
        require(covered != byDate.refusal.has_value(),
                "a real date is refused exactly when no period covers it");
    }

    const auto given = [](std::string_view text) {
        return text.empty() ? std::nullopt : std::optional<std::string_view>(text);
    };
    const RuleChoice both = chooseRules(given(year), given(date));
    checkRefusal(both);
    if (!both.refusal) {
        require(year.empty() || (!named.refusal && named.rules == both.rules),
                "the rules chosen are the ones the year names");
        require(date.empty() || (!byDate.refusal && byDate.rules == both.rules),
                "the rules chosen are the ones the date falls under");
        require(!year.empty() || !date.empty() || both.rules == kDefaultRuleSet,
                "without either the windows' rules apply");
    } else {
        require((!year.empty() && named.refusal) || (!date.empty() && byDate.refusal) ||
                    (!year.empty() && !date.empty() && named.rules != byDate.rules),
                "rules are refused only for a reason");
    }
    return 0;
}
