// Times of the assembly sheet: one drawing (what the window and every file pay) and one PDF
// written, each as the median of many runs and as a ratio to rendering the schematic picture
// once, measured alongside.
#include "ui/chronogramdrawing.h"
#include "ui/montagesheet.h"
#include "ui/sheetfile.h"

#include "report/kicadschematic.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &work)
{
    work(); // fonts and caches warm
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<std::size_t>(runs / 2)];
}

calc::RealDesign everyOutputDesign()
{
    calc::RealDesign design;
    design.T = 100;
    design.T1 = 7;
    design.talonText = "150";
    design.potentiometerText = "22";
    design.capacitorText = "15.0 ";
    design.pattern = 8191; // every diode drawn, every note written
    design.shown = {"6,3 ms", "103,2", "6,400", "560 Kohm"};
    return design;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int runs = 50;
    // A screen-sized A4 page, as the window shows it.
    QImage image(1123, 794, QImage::Format_RGB32);

    QSvgRenderer schema(QStringLiteral(CHRONALYS_SCHEMA_SVG));
    if (!schema.isValid()) {
        std::fprintf(stderr, "schema.svg not found\n");
        return 1;
    }
    const double baseline = medianMs(runs, [&] {
        image.fill(Qt::white);
        QPainter painter(&image);
        schema.render(&painter, QRectF(image.rect()));
    });

    const Sheet sheet{everyOutputDesign(), QDate::currentDate(), {}, {}};
    const double drawing = medianMs(runs, [&] {
        image.fill(Qt::white);
        QPainter painter(&image);
        draw(painter, sheet, QRectF(image.rect()));
    });

    // The chronogramme at the window's size, every output marked: its busiest drawing.
    QImage window(1160, 760, QImage::Format_RGB32);
    const calc::Chronogram chronogram = calc::chronogram(sheet.design);
    const double chronogramMs = medianMs(runs, [&] {
        window.fill(Qt::white);
        QPainter painter(&window);
        draw(painter, chronogram, QRectF(window.rect()));
    });

    // The circuit built and its KiCad schematic written out, text only.
    const double kicad = medianMs(runs, [&] {
        if (report::kicadSchematic(sheet.design, {{}, {}, sheet.date}).isEmpty())
            std::fprintf(stderr, "no KiCad schematic\n");
    });

    const QTemporaryDir dir;
    auto writing = [&](const char *name) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        return medianMs(runs / 5, [&] {
            if (!writeSheetFile(sheet, path).isEmpty())
                std::fprintf(stderr, "%s not written\n", name);
        });
    };
    const double pdf = writing("sheet.pdf");
    const double svg = writing("sheet.svg");
    const double png = writing("sheet.png");

    std::printf("baseline  schema.svg rendered once   %8.2f ms   1.00\n", baseline);
    std::printf("sheet     drawn once (screen A4)     %8.2f ms  %5.2f x baseline   (goal < 20 ms)\n",
                drawing, drawing / baseline);
    std::printf("chronogramme drawn once (window)    %8.2f ms  %5.2f x the sheet drawn once   (goal <= 5 ms)\n",
                chronogramMs, chronogramMs / drawing);
    std::printf("circuit and KiCad schematic made      %8.2f ms  %5.2f x the sheet drawn once   (goal <= 1)\n",
                kicad, kicad / drawing);
    std::printf("sheet     PDF written                %8.2f ms  %5.2f x baseline   (goal < 200 ms)\n", pdf,
                pdf / baseline);
    std::printf("sheet     SVG written                %8.2f ms  %5.2f x baseline\n", svg, svg / baseline);
    std::printf("sheet     PNG written (300 dpi)      %8.2f ms  %5.2f x baseline\n", png, png / baseline);
    return 0;
}
