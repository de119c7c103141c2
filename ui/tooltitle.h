#pragma once

#include <QString>

class QWidget;

// A tools window's title: its own, then the window whose design it shows when that is not the
// main window ("Feuille de montage — Longue durée"). Either part may change first, in any order,
// on a change of language.
void setToolTitle(QWidget *tool, const QString &title);
void setDesignOrigin(QWidget *tool, const QString &origin); // empty: the main window's design
