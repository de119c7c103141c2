#pragma once

#include <QFont>

// The face every window of the program uses, in points.
QFont windowFont(int pointSize, QFont::Weight weight = QFont::Normal);
