// Time per full result set of each computation, a monthly-table lookup with and without its
// working, a bonus's tax with its working by each method, and a sweep over every whole-yen
// column-甲 salary from 0 to 2,000,000 with 0 to 7 dependents and both spouse choices.

#include "calc_kou/computation/KouComputation.h"
#include "calc_otsu/computation/OtsuComputation.h"
#include "calc_reiwa/BonusTax.h"
#include "calc_reiwa/MonthlyTable.h"
#include "calc_reiwa/ReiwaKouComputation.h"
#include "money/AmountText.h"

#include <benchmark/benchmark.h>

namespace {

void KouFullResultSet(benchmark::State& state) {
    const norvik::KouInput input{300000, "300,000", 2, "2", 0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(norvik::computeKou(input));
    }
}
BENCHMARK(KouFullResultSet);

void OtsuFullResultSet(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(norvik::computeOtsu(300000, 2));
    }
}
BENCHMARK(OtsuFullResultSet);

void OtsuRefusal(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(norvik::computeOtsu(88000, 2));
    }
}
BENCHMARK(OtsuRefusal);

void ReiwaKouFullResultSet(benchmark::State& state) {
    const norvik::ReiwaKouInput input{300000, 2, true};
    for (auto _ : state) {
        benchmark::DoNotOptimize(norvik::computeReiwaKou(norvik::RuleSet::Paid2026, input));
    }
}
BENCHMARK(ReiwaKouFullResultSet);

// A printed row with the 1,610-yen deduction and a rate line: the two longest workings.
void MonthlyTableWorking(benchmark::State& state) {
    const auto column = state.range(0) == 0 ? norvik::TaxColumn::Kou : norvik::TaxColumn::Otsu;
    const std::int64_t salary = state.range(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            norvik::computeMonthlyTable(norvik::RuleSet::Paid2026, column, salary, 9));
    }
}
BENCHMARK(MonthlyTableWorking)->Args({0, 500000})->Args({1, 800000});

void MonthlyTableTaxOnly(benchmark::State& state) {
    std::int64_t salary = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            norvik::monthlyTableTax(norvik::RuleSet::Paid2026, norvik::TaxColumn::Kou, salary, 2));
        salary = (salary + 7919) % 1000000;
    }
}
BENCHMARK(MonthlyTableTaxOnly);

// The bonus table's rate (B ≤ 10 × P), the monthly table with no salary last month, and the
// monthly table looked up twice when B > 10 × P.
void BonusTaxWorking(benchmark::State& state) {
    const norvik::BonusRequest request{.column = norvik::TaxColumn::Kou,
                                       .bonus = state.range(0),
                                       .bonusInsurance = 150000,
                                       .previousSalary = state.range(1),
                                       .previousInsurance = 23384,
                                       .count = 2};
    for (auto _ : state) {
        benchmark::DoNotOptimize(norvik::computeBonusTax(norvik::RuleSet::Paid2026, request));
    }
}
BENCHMARK(BonusTaxWorking)->Args({1000000, 220000})->Args({1350000, 0})->Args({3000000, 220000});

// The salary texts are formed outside the timed computation, as the window hands them over.
void KouSweep(benchmark::State& state) {
    constexpr std::int64_t kSalaries = 2000001;
    constexpr int kDependents = 8;
    std::vector<std::string> salaryTexts;
    salaryTexts.reserve(kSalaries);
    for (std::int64_t s = 0; s < kSalaries; ++s) {
        salaryTexts.push_back(norvik::amountText(s));
    }
    const std::string dependentsTexts[kDependents] = {"0", "1", "2", "3", "4", "5", "6", "7"};
    for (auto _ : state) {
        for (std::int64_t s = 0; s < kSalaries; ++s) {
            for (int d = 0; d < kDependents; ++d) {
                for (int spouse = 0; spouse < 2; ++spouse) {
                    benchmark::DoNotOptimize(norvik::computeKou(
                        {static_cast<norvik::Extended>(s), salaryTexts[s],
                         static_cast<norvik::Extended>(d), dependentsTexts[d], spouse}));
                }
            }
        }
    }
    state.counters["result_sets"] = benchmark::Counter(
        static_cast<double>(kSalaries * kDependents * 2), benchmark::Counter::kAvgIterations);
    state.counters["per_result_set"] = benchmark::Counter(
        static_cast<double>(kSalaries * kDependents * 2),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(KouSweep)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
