// What one key costs: the logic alone on plain values, and a typed key through the real main
// window (offscreen) until both displays have repainted.

#include "ui/application_setup.h"
#include "ui/entry_display.h"
#include "ui/form1.h"
#include "support/key_script.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

using abaquino::PlainCalculator;

// A day at the desk: amounts typed, summed, a percentage, the currency switched, a correction.
constexpr std::string_view kSession =
    "1250 , 50 + 320 + 89 , 90 = LIT 22 % EUR 150000 / 1936 , 27 = BS BS 5 x 3 = CE 7 - 2 = C";

int KeysIn(std::string_view script)
{
    int keys = 0;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const bool starts = script[i] != ' ' && (i == 0 || script[i - 1] == ' ');
        const bool digitRun = i > 0 && script[i - 1] != ' ' && script[i] >= '0' && script[i] <= '9';
        keys += starts || digitRun ? 1 : 0;
    }
    return keys;
}

void LogicPerKey(benchmark::State& state)
{
    const int keys = KeysIn(kSession);
    for (auto _ : state) {
        PlainCalculator calculator;
        abaquino::testing::Press(calculator, kSession);
        benchmark::DoNotOptimize(calculator.view.ConversionText());
    }
    state.SetItemsProcessed(state.iterations() * keys);
    state.counters["ns_per_key"] =
        benchmark::Counter(static_cast<double>(state.iterations() * keys),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(LogicPerKey)->Unit(benchmark::kMicrosecond);

void TypedKeyThroughTheWindow(benchmark::State& state)
{
    abaquino::ui::Form1 form([] {});
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("the window was not shown");
    QWindow* window = form.windowHandle();
    int key = 0;
    for (auto _ : state) {
        if (++key % 12 == 0) QTest::keyClick(window, 'c');  // keep the entry short
        QTest::keyClick(window, static_cast<char>('0' + key % 10));
        form.txtDisplay->repaint();
        form.TxtDisplay1->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(TypedKeyThroughTheWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    abaquino::ui::PrepareApplication(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
