#include "ui/sheetfile.h"

#include "ui/chronogramdrawing.h"
#include "ui/montagenotes.h"

#include "report/kicadschematic.h"

#include <QCoreApplication>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <functional>
#include <vector>

SheetFormat sheetFormat(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("svg"))
        return SheetFormat::Svg;
    if (suffix == QStringLiteral("pdf"))
        return SheetFormat::Pdf;
    if (suffix == QStringLiteral("png"))
        return SheetFormat::Png;
    if (suffix == QStringLiteral("kicad_sch"))
        return SheetFormat::KicadSchematic;
    return SheetFormat::Unknown;
}

namespace {

// The translation context of the saving messages, the save dialog's.
struct Saving {
    Q_DECLARE_TR_FUNCTIONS(Enregistrer)
};

// What a file holds: A4 landscape pages, each drawn by one function. A PDF has one page for each;
// an SVG or a PNG shows them one below the other.
struct Document {
    QString title;
    QString description;
    std::vector<std::function<void(QPainter &, QRectF)>> pages;
};

// Paints into the open file; false when the painter or the encoder failed.
bool paintSvg(const Document &document, QIODevice &file)
{
    // One user unit per tenth of a millimetre: each page measures exactly 297 x 210 mm.
    const double width = SheetWidthMm * 10, height = SheetHeightMm * 10;
    const auto count = static_cast<double>(document.pages.size());
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setResolution(254);
    generator.setSize(QSize(static_cast<int>(width), static_cast<int>(height * count)));
    generator.setViewBox(QRectF(0, 0, width, height * count));
    generator.setTitle(document.title);
    generator.setDescription(document.description);
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    for (std::size_t i = 0; i < document.pages.size(); ++i)
        document.pages[i](painter, QRectF(0, height * static_cast<double>(i), width, height));
    return painter.end();
}

bool paintPdf(const Document &document, QIODevice &file)
{
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Chronalys CD4060"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0 && !writer.newPage())
            return false;
        document.pages[i](painter, QRectF(0, 0, writer.width(), writer.height()));
    }
    return painter.end();
}

bool paintPng(const Document &document, QIODevice &file)
{
    const int count = static_cast<int>(document.pages.size());
    QImage image(SheetPngWidth, SheetPngHeight * count, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    constexpr int DotsPerMetre = 11811; // 300 dpi
    image.setDotsPerMeterX(DotsPerMetre);
    image.setDotsPerMeterY(DotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int i = 0; i < count; ++i)
        document.pages[static_cast<std::size_t>(i)](painter, QRectF(0, SheetPngHeight * i, SheetPngWidth, SheetPngHeight));
    painter.end();
    // Encoded in memory first: Qt's PNG encoder leaks when the disk refuses a write.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG")
        && file.write(encoded) == encoded.size();
}

// `failure` names the file and takes the reason as %2.
QString writeDocument(const Document &document, const QString &path, const QString &failure)
{
    const SheetFormat format = sheetFormat(path);
    // A KiCad schematic holds a circuit, never a picture.
    if (format == SheetFormat::Unknown || format == SheetFormat::KicadSchematic)
        return Saving::tr("« %1 » : format inconnu, le nom doit finir par .svg, .pdf ou .png.").arg(path);
    QSaveFile file(path);
    auto failed = [&](const QString &reason) { return failure.arg(path, reason); };
    if (!file.open(QIODevice::WriteOnly))
        return failed(QFileInfo(path).absoluteDir().exists()
                          ? Saving::tr("écriture refusée dans ce dossier")
                          : Saving::tr("le dossier n'existe pas"));
    const bool painted = format == SheetFormat::Svg   ? paintSvg(document, file)
                         : format == SheetFormat::Pdf ? paintPdf(document, file)
                                                      : paintPng(document, file);
    if (!painted) {
        file.cancelWriting();
        return failed(Saving::tr("le dessin n'a pas pu être écrit"));
    }
    if (!file.commit())
        return failed(Saving::tr("l'écriture a échoué (disque plein ?)"));
    return {};
}

} // namespace

QString writeSheetFile(const Sheet &sheet, const QString &path)
{
    if (sheetFormat(path) == SheetFormat::KicadSchematic)
        return report::writeKicadSchematic(sheet.design, {sheet.name, sheet.note, sheet.date}, path);
    const Document document{
        QCoreApplication::translate("Sheet", "Feuille de montage"),
        QCoreApplication::translate("Sheet", "Multivibrateur longue période — Chronalys CD4060"),
        {[&sheet](QPainter &painter, QRectF page) { draw(painter, sheet, page); },
         [&sheet](QPainter &painter, QRectF page) { drawNotesPage(painter, sheet, page); }}};
    return writeDocument(document, path,
                         QCoreApplication::translate(
                             "Sheet", "La feuille de montage n'a pas pu être enregistrée dans « %1 » : %2."));
}

QString writeChronogramFile(const calc::RealDesign &design, const QString &path)
{
    const calc::Chronogram chronogram = calc::chronogram(design);
    const Document document{
        QCoreApplication::translate("Chronogramme", "Chronogramme"),
        QCoreApplication::translate("Chronogramme", "Multivibrateur longue période — Chronalys CD4060"),
        {[&chronogram](QPainter &painter, QRectF page) {
            painter.fillRect(page, Qt::white);
            // The sheet's margins: 10 mm on every side.
            const double margin = page.width() / SheetWidthMm * 10;
            draw(painter, chronogram, page.adjusted(margin, margin, -margin, -margin));
        }}};
    return writeDocument(document, path,
                         QCoreApplication::translate("Chronogramme",
                                                     "Le chronogramme n'a pas pu être enregistré dans « %1 » : %2."));
}
