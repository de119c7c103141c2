#include "settings/position.h"

#include "settings/commun_p.h"
#include "calc/numbertext.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace Commun {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double FallbackDotsPerInch = 96.0;
// What of a title bar the user needs on screen to drag it, pixels.
constexpr int GripHeight = 24;
constexpr int GripWidth = 100;

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

QList<EntreeINI> entries(const QString &section, const QRect &frame, Resolution dpi)
{
    return {{section, QStringLiteral("Haut"), twipsText(frame.top(), dpi.y)},
            {section, QStringLiteral("Droite"), twipsText(frame.left(), dpi.x)},
            {section, QStringLiteral("Hauteur"), twipsText(frame.height(), dpi.y)},
            {section, QStringLiteral("Largeur"), twipsText(frame.width(), dpi.x)}};
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

// While a window manager reparents a window, Qt may briefly report a 1x1 frame.
bool frameKnown(const QWidget *window)
{
    return window->frameGeometry().contains(window->geometry());
}

// The frame the window manager gives this window, or the one it gave another window of the
// program, or none yet: a window is framed only once it is on screen.
QMargins frameMargins(const QWidget *window)
{
    const auto framed = [](const QWidget *w) {
        return w->isVisible() && frameKnown(w) && w->frameGeometry() != w->geometry();
    };
    const QWidget *model = framed(window) ? window : nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.begin(); !model && it != windows.end(); ++it)
        if ((*it)->isWindow() && framed(*it))
            model = *it;
    if (!model)
        return {};
    const QRect frame = model->frameGeometry(), client = model->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

bool titleBarShown(const QRect &frame)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&frame](const QScreen *screen) {
        const QRect area = screen->availableGeometry();
        const int shown = std::min(frame.right(), area.right()) - std::max(frame.left(), area.left()) + 1;
        return frame.top() >= area.top() && frame.top() + GripHeight - 1 <= area.bottom()
               && shown >= std::min(std::max(frame.width(), 1), GripWidth);
    });
}

// `place` and `size` for the frame, the title bar where the user can grab it; nothing given
// leaves that part as it is.
void putFrame(QWidget *window, std::optional<QPoint> place, std::optional<QSize> size, bool mapped)
{
    const QMargins margins = frameMargins(window);
    QRect frame = window->geometry().marginsAdded(margins);
    if (size)
        frame.setSize(*size);
    if (place)
        frame.moveTopLeft(*place);
    if (!titleBarShown(frame)) {
        if (const QScreen *primary = QGuiApplication::primaryScreen()) {
            frame.moveTopLeft(primary->availableGeometry().topLeft());
            place = frame.topLeft();
        }
    }
    if (const QScreen *screen = QGuiApplication::screenAt(frame.topLeft()); screen && size)
        frame.setSize(frame.size().boundedTo(screen->availableGeometry().size())); // whole on its screen
    if (size)
        window->resize(frame.marginsRemoved(margins).size().expandedTo(QSize(0, 0)));
    if (!place)
        return;
    window->move(frame.topLeft());
    if (QWindow *handle = window->windowHandle(); handle && !mapped) {
        // Qt keeps a place given before the window exists for the frame only while the size
        // stays: set it again now, the size final and the window not yet mapped.
        handle->setGeometry(window->geometry());
        handle->setFramePosition(frame.topLeft());
    }
}

// Frames are known once a window is on screen, and the size is final only when it is shown:
// a hidden window is placed just before it is mapped.
class PlaceAtShow : public QObject {
public:
    static inline const QString Name = QStringLiteral("PlaceAtShow");

    PlaceAtShow(QWidget *window, std::optional<QPoint> place, std::optional<QSize> size)
        : QObject(window), m_place(place), m_size(size)
    {
        setObjectName(Name);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            putFrame(static_cast<QWidget *>(watched), m_place, m_size, false);
            deleteLater();
        }
        return false;
    }

private:
    std::optional<QPoint> m_place;
    std::optional<QSize> m_size;
};

void placeFrame(QWidget *window, std::optional<QPoint> place, std::optional<QSize> size)
{
    if (window->isVisible()) {
        putFrame(window, place, size, true);
        return;
    }
    if (place)
        window->move(*place); // where pos() says it will be
    // The last restore wins.
    delete window->findChild<QObject *>(PlaceAtShow::Name, Qt::FindDirectChildrenOnly);
    new PlaceAtShow(window, place, size);
}

struct StoredPlace {
    std::optional<int> top, left, height, width; // frame, pixels
};

StoredPlace storedPlace(const QString &haut, const QString &droite, const QString &hauteur, const QString &largeur,
                        const QWidget *window)
{
    const Resolution dpi = resolutionOf(window);
    // Never larger than all screens together: a giant window would only exhaust memory.
    const QSize desktop = window->screen() ? window->screen()->virtualSize() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize minimum = window->minimumSizeHint();
    // An absent key reads as "", hence 0: a window never saved opens at the top-left corner.
    StoredPlace stored{pixelsOf(haut, dpi.y), pixelsOf(droite, dpi.x), {}, {}};
    if (const auto h = pixelsOf(hauteur, dpi.y); h && !hauteur.isEmpty() && !(minimum.height() > *h))
        stored.height = std::clamp(*h, 0, desktop.height());
    if (const auto w = pixelsOf(largeur, dpi.x); w && !largeur.isEmpty() && !(minimum.width() > *w))
        stored.width = std::clamp(*w, 0, desktop.width());
    return stored;
}

} // namespace

QList<EntreeINI> Entrees_Sauve_Position(QWidget *window)
{
    const QString section = sectionName(detail::takeSaveNumber());
    if (!window || !window->isVisible())
        return {};
    return entries(section, frameKnown(window) ? window->frameGeometry() : window->geometry(), resolutionOf(window));
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
    const StoredPlace stored = storedPlace(read("Haut"), read("Droite"), read("Hauteur"), read("Largeur"), window);
    const QRect frame = window->geometry().marginsAdded(frameMargins(window));
    std::optional<QPoint> topLeft;
    if (place)
        topLeft = QPoint(stored.left.value_or(frame.left()), stored.top.value_or(frame.top()));
    std::optional<QSize> frameSize;
    if (size && (stored.height || stored.width))
        frameSize = QSize(stored.width.value_or(frame.width()), stored.height.value_or(frame.height()));
    placeFrame(window, topLeft, frameSize);
}

PlaceFenetre::PlaceFenetre(const QString &file, QObject *parent) : QObject(parent)
{
    const QString section = sectionName(detail::takeRestoreNumber());
    const IniDocument document = IniDocument::load(detail::settingsPath(file));
    auto read = [&](const char *key) { return document.value(section, QString::fromLatin1(key)).value_or(QString()); };
    m_haut = read("Haut");
    m_droite = read("Droite");
    m_hauteur = read("Hauteur");
    m_largeur = read("Largeur");
}

void PlaceFenetre::suivre(QWidget *window)
{
    if (!window)
        return;
    if (m_last) {
        placeFrame(window, m_last->topLeft(), m_last->size());
    } else if (!m_haut.isNull() || !m_droite.isNull()) {
        const StoredPlace stored = storedPlace(m_haut, m_droite, m_hauteur, m_largeur, window);
        const QRect frame = window->geometry().marginsAdded(frameMargins(window));
        std::optional<QSize> size;
        if (stored.height || stored.width)
            size = QSize(stored.width.value_or(frame.width()), stored.height.value_or(frame.height()));
        placeFrame(window, QPoint(stored.left.value_or(0), stored.top.value_or(0)), size);
    }
    m_window = window;
    window->installEventFilter(this);
}

void PlaceFenetre::remember(const QWidget *window)
{
    if (!window->isVisible() || !frameKnown(window))
        return;
    m_last = window->frameGeometry();
    const Resolution dpi = resolutionOf(window);
    m_dpiX = dpi.x;
    m_dpiY = dpi.y;
}

bool PlaceFenetre::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window.data() && (event->type() == QEvent::Move || event->type() == QEvent::Resize
                                || event->type() == QEvent::Close))
        remember(m_window);
    return false;
}

QList<EntreeINI> PlaceFenetre::entrees()
{
    const QString section = sectionName(detail::takeSaveNumber());
    if (m_window)
        remember(m_window);
    if (!m_last)
        return {};
    return entries(section, *m_last, {m_dpiX, m_dpiY});
}

} // namespace Commun
