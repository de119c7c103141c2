#pragma once

#include <QPalette>
#include <QRect>

class QWidget;

// The style's dotted focus frame inside `rect`, as the platform marks a control reached by the
// keyboard; drawn only while `widget` has the focus. `background` is the colour behind it.
void drawFocusFrame(QWidget *widget, QRect rect, QPalette::ColorRole background);
