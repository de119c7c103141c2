#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}

} // namespace

int twipsToPixels(double twips) { return qRound(twips * logicalDpi() / 1440.0); }

double pixelsToTwips(int pixels) { return pixels * 1440.0 / logicalDpi(); }

void placeInTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}
