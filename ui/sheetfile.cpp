#include "ui/sheetfile.h"

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

SheetFormat sheetFormat(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("svg"))
        return SheetFormat::Svg;
    if (suffix == QStringLiteral("pdf"))
        return SheetFormat::Pdf;
    if (suffix == QStringLiteral("png"))
        return SheetFormat::Png;
    return SheetFormat::Unknown;
}

namespace {

// Paints into the open file; false when the painter or the encoder failed.
bool paintSvg(const Sheet &sheet, QIODevice &file)
{
    // One user unit per tenth of a millimetre: the page measures exactly 297 x 210 mm.
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setResolution(254);
    generator.setSize(QSize(static_cast<int>(SheetWidthMm * 10), static_cast<int>(SheetHeightMm * 10)));
    generator.setViewBox(QRectF(0, 0, SheetWidthMm * 10, SheetHeightMm * 10));
    generator.setTitle(QStringLiteral("Feuille de montage"));
    generator.setDescription(QStringLiteral("Multivibrateur longue période — Chronalys CD4060"));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    draw(painter, sheet, generator.viewBoxF());
    return painter.end();
}

bool paintPdf(const Sheet &sheet, QIODevice &file)
{
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    writer.setTitle(QStringLiteral("Feuille de montage"));
    writer.setCreator(QStringLiteral("Chronalys CD4060"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    draw(painter, sheet, QRectF(0, 0, writer.width(), writer.height()));
    return painter.end();
}

bool paintPng(const Sheet &sheet, QIODevice &file)
{
    QImage image(SheetPngWidth, SheetPngHeight, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    constexpr int DotsPerMetre = 11811; // 300 dpi
    image.setDotsPerMeterX(DotsPerMetre);
    image.setDotsPerMeterY(DotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, sheet, QRectF(image.rect()));
    painter.end();
    // Encoded in memory first: Qt's PNG encoder leaks when the disk refuses a write.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG")
        && file.write(encoded) == encoded.size();
}

} // namespace

QString writeSheetFile(const Sheet &sheet, const QString &path)
{
    const SheetFormat format = sheetFormat(path);
    if (format == SheetFormat::Unknown)
        return QStringLiteral("« %1 » : format inconnu, le nom doit finir par .svg, .pdf ou .png.")
            .arg(path);
    QSaveFile file(path);
    auto failure = [&path](const QString &reason) {
        return QStringLiteral("La feuille de montage n'a pas pu être enregistrée dans « %1 » : %2.")
            .arg(path, reason);
    };
    if (!file.open(QIODevice::WriteOnly))
        return failure(QFileInfo(path).absoluteDir().exists()
                           ? QStringLiteral("écriture refusée dans ce dossier")
                           : QStringLiteral("le dossier n'existe pas"));
    const bool painted = format == SheetFormat::Svg   ? paintSvg(sheet, file)
                         : format == SheetFormat::Pdf ? paintPdf(sheet, file)
                                                      : paintPng(sheet, file);
    if (!painted) {
        file.cancelWriting();
        return failure(QStringLiteral("le dessin n'a pas pu être écrit"));
    }
    if (!file.commit())
        return failure(QStringLiteral("l'écriture a échoué (disque plein ?)"));
    return {};
}
