// Each update of the precision window must stay well under 1 ms. Figures are read as ratios to
// BM_RealTimingBaseline, one run of the real timing measured in the same process.
#include "calc/precision.h"
#include "ui/precisionwindow.h"
#include "calc/realtiming.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <array>
#include <cstdio>

namespace {

// A one-hour timer (3600 s, 2 s, E12 gives 180 kilohms and 470 nF) and a neighbour, so every
// update changes the captions and no text is left as it was.
std::array<calc::RealDesign, 2> designs()
{
    calc::RealDesign design;
    design.T = 3600;
    design.T1 = 2;
    design.talonText = "180";
    design.potentiometerText = "0";
    design.capacitorText = "470 ";
    design.pattern = 8;
    design.Pas_Serie = 2;
    calc::RealDesign other = design;
    other.T = 3650;
    other.potentiometerText = "12.5";
    return {design, other};
}

void BM_RealTimingBaseline(benchmark::State &state)
{
    const calc::RealDesign d = designs()[0];
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::realTiming(d.talonText, d.potentiometerText, d.capacitorText, d.pattern,
                                                  d.K, d.Mode_Affichage, d.separator));
}
BENCHMARK(BM_RealTimingBaseline);

void BM_AssessPrecision(benchmark::State &state)
{
    const auto d = designs();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::assessPrecision(d[++i % 2], calc::Tolerances{}));
}
BENCHMARK(BM_AssessPrecision);

// What the window does on realDesignChanged: compute and set every caption.
void BM_PrecisionWindowUpdate(benchmark::State &state)
{
    const auto d = designs();
    PrecisionWindow window(d[0], calc::Tolerances{}, 2.8e-6);
    window.show();
    QApplication::processEvents();
    std::size_t i = 0;
    for (auto _ : state)
        window.setDesign(d[++i % 2]);
}
BENCHMARK(BM_PrecisionWindowUpdate);

// The same with the layout and the repaint that follow on the offscreen platform.
void BM_PrecisionWindowUpdateAndPaint(benchmark::State &state)
{
    const auto d = designs();
    PrecisionWindow window(d[0], calc::Tolerances{}, 2.8e-6);
    window.show();
    QApplication::processEvents();
    std::size_t i = 0;
    for (auto _ : state) {
        window.setDesign(d[++i % 2]);
        QApplication::processEvents(); // the layout and the repaint of what changed
    }
}
BENCHMARK(BM_PrecisionWindowUpdateAndPaint);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns at every new minimum size; that printing is not the window's.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
        if (!message.contains(QLatin1String("propagateSizeHints")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
