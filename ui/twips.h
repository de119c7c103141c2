#pragma once

#include <QRect>

class QWidget;

// Window geometry is given in twips (1/1440 inch) and drawn at the screen's logical
// resolution, so the layout keeps its proportions on high-resolution screens.
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

// Places `widget` at left, top, width, height given in twips, relative to its parent.
void placeInTwips(QWidget *widget, int left, int top, int width, int height);
