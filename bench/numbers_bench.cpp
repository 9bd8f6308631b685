// Benchmarks of the number runtime and the areas action, against the C library's peers.
#include "core/ring_sector.h"
#include "fake_view.h"
#include "runtime/number_text.h"
#include "runtime/read_number.h"
#include "runtime/runtime_error.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

using ringcalc::runtime::NumberText;
using ringcalc::runtime::ReadNumber;

void readNumberShort(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadNumber("235,5"));
    }
}
BENCHMARK(readNumberShort);

// The peer: the C library reading the same number.
void strtodShort(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::strtod("235.5", nullptr));
    }
}
BENCHMARK(strtodShort);

void readNumberMegabyte(benchmark::State& state) {
    const std::string digits = "0." + std::string(1'000'000, '3');
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadNumber(digits));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(digits.size()));
}
BENCHMARK(readNumberMegabyte)->Unit(benchmark::kMillisecond);

void readNumberMegabyteOverflow(benchmark::State& state) {
    const std::string digits(1'000'000, '9');
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(ReadNumber(digits));
        } catch (const ringcalc::runtime::RuntimeError&) {
            benchmark::ClobberMemory();
        }
    }
}
BENCHMARK(readNumberMegabyteOverflow)->Unit(benchmark::kMillisecond);

void numberText(benchmark::State& state) {
    double value = 16.666666666666668;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberText(value));
    }
}
BENCHMARK(numberText);

// The peer: the C library's "%.15G" into a std::string.
void snprintfText(benchmark::State& state) {
    double value = 16.666666666666668;
    for (auto _ : state) {
        char buffer[32];
        const int n = std::snprintf(buffer, sizeof buffer, "%.15G", value);
        benchmark::DoNotOptimize(std::string(buffer, static_cast<std::size_t>(n)));
    }
}
BENCHMARK(snprintfText);

void showResult(benchmark::State& state) {
    ringcalc::testing::FakeView form("10", "5", "60");
    for (auto _ : state) {
        form.reads.clear(); // the fake records each read; kept from growing without bound
        ringcalc::core::ShowResult(form);
        benchmark::DoNotOptimize(form.label4.data());
    }
}
BENCHMARK(showResult);

} // namespace
