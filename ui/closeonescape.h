#pragma once

class QWidget;

// Escape closes `window` as its title-bar control does, whichever of its controls has the focus.
void closeOnEscape(QWidget *window);
