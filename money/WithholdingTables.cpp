#include "money/WithholdingTables.h"

#include <array>

namespace norvik {

namespace {

// Rates are written as extended literals so that each is the extended value nearest its
// decimal fraction (0.3L, not the double 0.3).
constexpr std::array<DeductionRow, 6> kDeductionRows{{
    {0, 0, 0.0L, kFixedEmploymentDeduction, ""},
    {135417, 40, 0.4L, 0, "×40%"},
    {150000, 30, 0.3L, 15000, "×30%+15,000円"},
    {300000, 20, 0.2L, 45000, "×20%+45,000円"},
    {550000, 10, 0.1L, 100000, "×10%+100,000円"},
    {833334, 5, 0.05L, 141667, "×5%+141,667円"},
}};

constexpr std::array<TaxRow, 6> kTaxRows{{
    {0, 5, 0.05L, 0, "×5%"},
    {162501, 10, 0.1L, 8125, "×10%-8,125円"},
    {275001, 20, 0.2L, 35625, "×20%-35,625円"},
    {579167, 23, 0.23L, 53000, "×23%-53,000円"},
    {750001, 33, 0.33L, 128000, "×33%-128,000円"},
    {1500001, 40, 0.4L, 233000, "×40%-233,000円"},
}};

template <typename Row, std::size_t N>
const Row& rowFor(const std::array<Row, N>& rows, std::int64_t wholeYen) {
    if (wholeYen < 0) {
        return rows.back();
    }
    for (std::size_t i = N - 1; i > 0; --i) {
        if (wholeYen >= rows[i].from) {
            return rows[i];
        }
    }
    return rows.front();
}

} // namespace

const DeductionRow& deductionRowFor(std::int64_t wholeYen) {
    return rowFor(kDeductionRows, wholeYen);
}

const TaxRow& taxRowFor(std::int64_t wholeYen) {
    return rowFor(kTaxRows, wholeYen);
}

std::span<const DeductionRow> deductionRows() {
    return kDeductionRows;
}

std::span<const TaxRow> taxRows() {
    return kTaxRows;
}

} // namespace norvik
