#include "settings/position.h"

#include "settings/commun_p.h"
#include "calc/numbertext.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>

namespace Commun {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double FallbackDotsPerInch = 96.0;

QString sectionName(int number)
{
    return QStringLiteral("Position_%1").arg(number);
}

struct Resolution {
    double x = FallbackDotsPerInch;
    double y = FallbackDotsPerInch;
};

Resolution resolutionOf(const QWidget *window)
{
    Resolution r;
    if (const QScreen *screen = window->screen()) {
        if (screen->logicalDotsPerInchX() > 0)
            r.x = screen->logicalDotsPerInchX();
        if (screen->logicalDotsPerInchY() > 0)
            r.y = screen->logicalDotsPerInchY();
    }
    return r;
}

QString twipsText(int pixels, double dotsPerInch)
{
    return QString::fromStdString(calc::formatGeneral(pixels * TwipsPerInch / dotsPerInch, '.'));
}

// Twips as stored, in pixels; nothing for a value a single-precision number cannot hold. Far
// values are bounded so the conversion to int stays defined; they land off every screen anyway.
std::optional<int> pixelsOf(const QString &text, double dotsPerInch)
{
    const double twips = calc::leadingNumber(text.toStdString());
    if (!std::isfinite(twips) || std::fabs(twips) > double(FLT_MAX))
        return std::nullopt;
    const double pixels = double(float(twips)) * dotsPerInch / TwipsPerInch;
    return int(std::lround(std::clamp(pixels, -double(QWIDGETSIZE_MAX), double(QWIDGETSIZE_MAX))));
}

bool overlapsAvailableArea(const QRect &frame)
{
    const QRect probe(frame.topLeft(), frame.size().expandedTo(QSize(1, 1)));
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&probe](const QScreen *screen) {
        return screen->availableGeometry().intersects(probe);
    });
}

} // namespace

QList<EntreeINI> Entrees_Sauve_Position(QWidget *window)
{
    const QString section = sectionName(detail::takeSaveNumber());
    if (!window)
        return {};
    const QRect frame = window->frameGeometry();
    const Resolution dpi = resolutionOf(window);
    return {{section, QStringLiteral("Haut"), twipsText(frame.top(), dpi.y)},
            {section, QStringLiteral("Droite"), twipsText(frame.left(), dpi.x)},
            {section, QStringLiteral("Hauteur"), twipsText(frame.height(), dpi.y)},
            {section, QStringLiteral("Largeur"), twipsText(frame.width(), dpi.x)}};
}

void Sauve_Position(QWidget *window, const QString &file)
{
    const QList<EntreeINI> entries = Entrees_Sauve_Position(window);
    if (!entries.isEmpty())
        Ecrire_INI(entries, file);
}

void Restaure_Position(QWidget *window, const QString &file, const QString &options)
{
    const QString section = sectionName(detail::takeRestoreNumber());
    const bool place = options.contains(QLatin1Char('P'), Qt::CaseInsensitive);
    const bool size = options.contains(QLatin1Char('D'), Qt::CaseInsensitive);
    if (!window || (!place && !size))
        return;

    const IniDocument document = IniDocument::load(detail::settingsPath(file));
    auto read = [&](const char *key) {
        return detail::readValue(document, section, QLatin1String(key), QString());
    };
    const Resolution dpi = resolutionOf(window);
    QRect frame = window->frameGeometry();
    const QSize frameMargins = frame.size() - window->geometry().size();

    if (place) {
        // An absent key reads as "", hence 0: a window never saved opens at the top-left corner.
        if (const auto top = pixelsOf(read("Haut"), dpi.y))
            frame.moveTop(*top);
        if (const auto left = pixelsOf(read("Droite"), dpi.x))
            frame.moveLeft(*left);
    }
    if (size) {
        const QString height = read("Hauteur");
        const QString width = read("Largeur");
        // Never larger than all screens together: a giant window would only exhaust memory.
        const QSize desktop = window->screen() ? window->screen()->virtualSize()
                                               : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (const auto h = pixelsOf(height, dpi.y); h && !height.isEmpty())
            frame.setHeight(std::clamp(*h, 0, desktop.height()));
        if (const auto w = pixelsOf(width, dpi.x); w && !width.isEmpty())
            frame.setWidth(std::clamp(*w, 0, desktop.width()));
        window->resize((frame.size() - frameMargins).expandedTo(QSize(0, 0)));
    }
    bool move = place;
    if (!overlapsAvailableArea(frame)) {
        if (const QScreen *primary = QGuiApplication::primaryScreen()) {
            frame.moveTopLeft(primary->availableGeometry().topLeft());
            move = true;
        }
    }
    if (move)
        window->move(frame.topLeft());
}

} // namespace Commun
