#include "ui/montagenotes.h"

#include "ui/chronogramdrawing.h"
#include "ui/pagetext.h"

#include "report/precisiontext.h"

#include "calc/chronogram.h"
#include "calc/circuit.h"
#include "calc/entry.h"
#include "calc/numbertext.h"
#include "calc/precision.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

namespace {

// The notes' translation context; lupdate reads tr() through it.
struct Notes {
    Q_DECLARE_TR_FUNCTIONS(NotesMontage)
};

// Page units, as page 1: tenths of a millimetre on the A4 landscape page.
constexpr double PageWidth = SheetWidthMm * 10;
constexpr double PageHeight = SheetHeightMm * 10;
constexpr double Margin = 100;
constexpr double NotesHeading = 70;

const QColor Caption(0x14, 0x3c, 0x82);

} // namespace

QStringList montageNotes(const calc::RealDesign &design)
{
    const calc::Chronogram c = calc::chronogram(design);
    auto seconds = [&c](double value) {
        return QString::fromStdString(calc::formatSeconds(value, c.Mode_Affichage, c.separator, c.notation)) + QStringLiteral(" s");
    };
    QStringList notes{
        Notes::tr("C2 : un condensateur à film (polyester, MKT) ou céramique C0G ; ni électrochimique ni céramique "
           "X7R, dont la dérive et les fuites font varier T."),
        Notes::tr("C4 (100 nF) se soude au plus près des broches 16 (VDD) et 8 (VSS) du CD4060 : il découple son "
           "alimentation."),
        Notes::tr("La moitié inutilisée du CD4013 (U2B) a ses entrées reliées à VSS (broche 7) : S, D, R et CLK, "
           "broches 8 à 11."),
        Notes::tr("RESET du CD4060 (broche 12) n'est jamais laissée en l'air : R6 la tient à 0 V une fois C3 chargé."),
    };
    if (const std::optional<calc::Cascade> &cascade = design.cascade) {
        const calc::Circuit circuit = calc::circuitOf(design);
        const calc::Component &counter = *circuit.component(calc::SecondCounterReference);
        const std::string top = "Q" + std::to_string(cascade->stage);
        const QString pinOfTop = QString::fromStdString(calc::stagePin(design, cascade->stage).pin);
        notes << Notes::tr("U3 (%1) compte les périodes de Q14 de U1 (broche 3) sur sa broche %2 ; sa remise à zéro "
                           "(broche %3) est reliée à celle de U1 : la mise sous tension remet les deux compteurs à zéro.")
                     .arg(QString::fromStdString(counter.value), QLatin1String(calc::clockPin(counter.kind)),
                          QLatin1String(calc::resetPin(counter.kind)));
        notes << (pinOfTop.isEmpty()
                      ? Notes::tr("L'étage S = %1 (Q%2 de U3) n'a pas de broche : la bascule ne peut pas être cadencée ; "
                                  "choisissez un autre étage haut.")
                            .arg(cascade->stage)
                            .arg(cascade->stage - 14)
                      : Notes::tr("La sortie Q%1 de U3 (broche %2), l'étage S = %3, cadence la bascule : T = 2^%3 × P, "
                                  "P étant la période de l'oscillateur.")
                            .arg(cascade->stage - 14)
                            .arg(pinOfTop)
                            .arg(cascade->stage));
        if (counter.kind == calc::PackageKind::CD4060)
            notes << Notes::tr("Les broches 9 et 10 de U3 (φO et φO barre, son oscillateur inutilisé) restent en l'air.");
    }
    if (!(c.P > 0)) {
        notes << Notes::tr("À la mise sous tension, la LED s'allume aussitôt pour un premier pulse ; la première "
                    "période ne dure que T/2, les suivantes T.");
        return notes;
    }
    notes << Notes::tr("À la mise sous tension, la LED s'allume aussitôt pour un premier pulse de T1 ; le suivant "
                "vient T/2 plus tard (%1), puis un toutes les T (%2).")
                 .arg(seconds(c.period() / 2), seconds(c.period()));
    QString limits = Notes::tr("Le pulse le plus court de ce montage dure 8 périodes de l'oscillateur (Q4 seule) : %1.")
                         .arg(seconds(8 * c.P));
    if (c.longestPeriod > 0)
        limits += QLatin1Char(' ') +
                  Notes::tr("La plus longue période dans les règles de la fiche technique, avec ce C2 et R = %1 kΩ "
                     "(pour Rs ≥ 2 × R) : %2.")
                      .arg(QString::fromStdString(calc::formatGeneral(calc::largestRuledResistance(), c.separator)),
                           seconds(c.longestPeriod));
    notes << limits;
    // With two counters, the hint toward a second counter has been followed.
    if (design.T > calc::LongPeriodAlarm && !design.cascade)
        notes << report::longPeriodHint();
    return notes;
}

void drawNotesPage(QPainter &painter, const Sheet &sheet, QRectF page)
{
    if (!beginSheetPage(painter, page))
        return;
    // The notes at the foot of the page, the chronogramme above them in all the room left.
    const QFont font = pageFont(27);
    const QFontMetricsF metrics(font);
    const QStringList notes = montageNotes(sheet.design);
    const double width = PageWidth - 2 * Margin - 40;
    double y = PageHeight - Margin;
    for (const QString &note : notes)
        y -= metrics.boundingRect(QRectF(0, 0, width, PageHeight), Qt::TextWordWrap, note).height() + 14;
    y -= NotesHeading;
    draw(painter, calc::chronogram(sheet.design), QRectF(Margin, Margin, PageWidth - 2 * Margin, y - 30 - Margin));

    pageText(painter, {Margin, y + 38}, Notes::tr("Notes de montage"), pageFont(38, true), Caption);
    y += NotesHeading;
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const QString &note : notes) {
        const QRectF box(Margin + 40, y, width, PageHeight - Margin - y);
        painter.drawText(QPointF(Margin + 8, y + metrics.ascent()), QStringLiteral("•"));
        painter.drawText(box, Qt::TextWordWrap, note);
        y += metrics.boundingRect(box, Qt::TextWordWrap, note).height() + 14;
    }
    painter.restore();
}
