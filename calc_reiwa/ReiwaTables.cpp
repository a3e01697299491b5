#include "calc_reiwa/ReiwaTables.h"

#include <array>
#include <stdexcept>

namespace norvik {

namespace {

constexpr std::array<EmploymentBand, 6> kEmployment2020{{
    {0, 0, 45834, ""},
    {135417, 40, -8333, "×40%-8,333円"},
    {150000, 30, 6667, "×30%+6,667円"},
    {300000, 20, 36667, "×20%+36,667円"},
    {550000, 10, 91667, "×10%+91,667円"},
    {708331, 0, 162500, ""},
}};

// From 2026 the fixed first band reaches past 149,999, so the 40% band no longer exists.
constexpr std::array<EmploymentBand, 5> kEmployment2026{{
    {0, 0, 54167, ""},
    {158334, 30, 6667, "×30%+6,667円"},
    {300000, 20, 36667, "×20%+36,667円"},
    {550000, 10, 91667, "×10%+91,667円"},
    {708331, 0, 162500, ""},
}};

constexpr std::array<EmploymentBand, 5> kEmployment2027{{
    {0, 0, 57500, ""},
    {169445, 30, 6667, "×30%+6,667円"},
    {300000, 20, 36667, "×20%+36,667円"},
    {550000, 10, 91667, "×10%+91,667円"},
    {708331, 0, 162500, ""},
}};

constexpr std::array<BasicDeductionStep, 3> kBasic2020{{
    {2162499, 40000},
    {2204166, 26667},
    {2245833, 13334},
}};

constexpr std::array<BasicDeductionStep, 4> kBasic2026{{
    {2120833, 48334},
    {2162499, 40000},
    {2204166, 26667},
    {2245833, 13334},
}};

constexpr std::array<BasicDeductionStep, 4> kBasic2027{{
    {2120833, 51667},
    {2162499, 40000},
    {2204166, 26667},
    {2245833, 13334},
}};

// The rates include the 2.1% reconstruction surtax; the table is the same in all three periods.
constexpr std::array<TaxBand, 7> kTax{{
    {0, 5105, 0, "×5.105%"},
    {162501, 10210, 8296, "×10.21%-8,296円"},
    {275001, 20420, 36374, "×20.42%-36,374円"},
    {579167, 23483, 54113, "×23.483%-54,113円"},
    {750001, 33693, 130688, "×33.693%-130,688円"},
    {1500001, 40840, 237893, "×40.84%-237,893円"},
    {3333334, 45945, 408061, "×45.945%-408,061円"},
}};

constexpr ReiwaTables kTables2020{kEmployment2020, kBasic2020, kTax};
constexpr ReiwaTables kTables2026{kEmployment2026, kBasic2026, kTax};
constexpr ReiwaTables kTables2027{kEmployment2027, kBasic2027, kTax};

} // namespace

const ReiwaTables& reiwaTablesFor(RuleSet rules) {
    switch (rules) {
    case RuleSet::Paid2020to2025:
        return kTables2020;
    case RuleSet::Paid2026:
        return kTables2026;
    case RuleSet::Paid2027:
        return kTables2027;
    case RuleSet::Paid2007to2012:
        break;
    }
    throw std::invalid_argument("the 2007 rules are computed by computeKou");
}

} // namespace norvik
