#include "core/ring_sector.h"
#include "runtime/number_text.h"
#include "runtime/read_number.h"
#include "runtime/runtime_error.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

using ringcalc::runtime::NumberText;
using ringcalc::runtime::ReadNumber;

class BenchForm final : public ringcalc::ResultForm {
public:
    [[nodiscard]] std::string text1() const override { return "10"; }
    [[nodiscard]] std::string text2() const override { return "5"; }
    [[nodiscard]] std::string text3() const override { return "60"; }
    void setLabel4Caption(std::string_view caption) override { m_caption = caption; }
    std::string m_caption;
};

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
    BenchForm form;
    for (auto _ : state) {
        ringcalc::ShowResult(form);
        benchmark::DoNotOptimize(form.m_caption.data());
    }
}
BENCHMARK(showResult);

} // namespace
