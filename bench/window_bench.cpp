// Benchmarks of the real window under load: long texts in its boxes, and results.
#include "app/project.h"
#include "core/radius_check.h"
#include "fake_view.h"
#include "runtime/message_box.h"
#include "runtime/program.h"
#include "runtime/qt/qt_form.h"
#include "ui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

// The real window on the offscreen platform, as the window suites build it.
struct Window {
    ringcalc::testing::RecordingMessageBox box;
    ringcalc::runtime::ProjectDescriptor project = ringcalc::app::projectDescriptor();
    ringcalc::runtime::Program program{project, box};

    QLineEdit& edit(const char* name) const { return dynamic_cast<QLineEdit&>(program.form().native().control(name)); }
};

// A megabyte put into a text box. Into the inner radius box it brings one radius check; the angle box, which
// has no check bound to it, is the peer: the difference is what the check costs.
void megabyteIntoBox(benchmark::State& state, const char* name) {
    Window window;
    const QString megabytes[] = {QString(1'000'000, QLatin1Char('7')), QString(1'000'000, QLatin1Char('8'))};
    int i = 0;
    for (auto _ : state) {
        window.edit(name).setText(megabytes[i++ % 2]);
    }
    state.counters["reports"] = static_cast<double>(window.box.shown.size());
}
BENCHMARK_CAPTURE(megabyteIntoBox, innerRadiusWithCheck, "Text2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(megabyteIntoBox, angleWithoutCheck, "Text3")->Unit(benchmark::kMillisecond);

// The radius check alone, on a megabyte already in the inner radius box: the two texts read and compared.
void megabyteRadiusCheck(benchmark::State& state) {
    Window window;
    window.edit("Text2").setText(QString(999'999, QLatin1Char('3')).prepend(QLatin1Char('.')));
    const ringcalc::ui::Form1View view(window.program.form());
    for (auto _ : state) {
        ringcalc::core::CheckRadii(view, window.box);
    }
}
BENCHMARK(megabyteRadiusCheck)->Unit(benchmark::kMillisecond);

// "Вывод данных" with a megabyte of digits as the outer radius: read, overflow, reported.
void megabyteOuterRadiusResult(benchmark::State& state) {
    Window window;
    window.edit("Text1").setText(QString(1'000'000, QLatin1Char('9')));
    auto& button = dynamic_cast<QAbstractButton&>(window.program.form().native().control("Command2"));
    for (auto _ : state) {
        button.click();
    }
    state.counters["reports"] = static_cast<double>(window.box.shown.size());
}
BENCHMARK(megabyteOuterRadiusResult)->Unit(benchmark::kMillisecond);

// A click with the start texts, for comparison.
void startTextsResult(benchmark::State& state) {
    Window window;
    auto& button = dynamic_cast<QAbstractButton&>(window.program.form().native().control("Command2"));
    for (auto _ : state) {
        button.click();
    }
}
BENCHMARK(startTextsResult)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
