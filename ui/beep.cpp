#include "ui/beep.h"

#include <QApplication>

namespace {
int beeps = 0;
}

void beep()
{
    ++beeps;
    QApplication::beep();
}

int beepCount() { return beeps; }
