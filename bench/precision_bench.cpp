// Each update of the precision window must stay well under 1 ms. Figures are read as ratios to
// BM_RealTimingBaseline, one run of the real timing measured in the same process; opening a design
// file as ratios to BM_TypedReplay.
#include "calc/precision.h"
#include "ui/chronalys_cd4060.h"
#include "ui/precisionwindow.h"
#include "calc/realtiming.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

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

// Opening a design file, replay included, against the same replay typed as the window tests type
// it: two designs in turn, so every run changes every zone.
std::array<QStringList, 2> replayTexts()
{
    return {QStringList{QStringLiteral("3600"), QStringLiteral("2"), QStringLiteral("150"), QStringLiteral("47")},
            QStringList{QStringLiteral("7200"), QStringLiteral("5"), QStringLiteral("330"), QStringLiteral("22")}};
}

struct ReplayWindow {
    QTemporaryDir dir;
    Chronalys_CD4060 window{LaunchOptions{dir.filePath(QStringLiteral("Chronalys_CD4060")), {}, '.'}};
    template <class T> T *control(const char *name) { return window.findChild<T *>(QLatin1String(name)); }
    void retype(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void type(const QStringList &texts)
    {
        retype(control<QLineEdit>("Valeur(0)"), texts[0]);
        retype(control<QLineEdit>("Valeur(1)"), texts[1]);
        control<QAction>("E12E24(2)")->trigger();
        QTest::mouseClick(control<QWidget>("Calcul_F_vers_RC"), Qt::LeftButton);
        QTest::mouseClick(control<QWidget>("Conversion_reelle(12)"), Qt::LeftButton);
        retype(control<QComboBox>("ResistanceCombo(0)")->lineEdit(), texts[2]);
        retype(control<QComboBox>("ResistanceCombo(1)")->lineEdit(), texts[3]);
        QTest::mouseClick(control<QWidget>("QrOnOff(9)"), Qt::LeftButton);
    }
};

void BM_TypedReplay(benchmark::State &state)
{
    ReplayWindow replay;
    replay.window.show();
    std::size_t i = 0;
    for (auto _ : state)
        replay.type(replayTexts()[++i % 2]);
}
BENCHMARK(BM_TypedReplay);

void BM_OpenConception(benchmark::State &state)
{
    ReplayWindow replay;
    replay.window.show();
    std::array<QString, 2> files;
    for (std::size_t i = 0; i < files.size(); ++i) {
        replay.type(replayTexts()[i]);
        files[i] = replay.dir.filePath(QStringLiteral("%1.cd4060").arg(i));
        replay.window.Enregistrer_Conception(files[i], QStringLiteral("essai"));
    }
    std::size_t i = 0;
    for (auto _ : state)
        replay.window.Ouvrir_Conception(files[++i % 2]);
}
BENCHMARK(BM_OpenConception);

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
