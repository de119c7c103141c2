// Writes the settings file again and again, alternating the two complete contents, as a
// "Quitter" would; the kill test ends it with SIGKILL at random moments. Usage: settings_writer PATH

#include "settingscontents.h"

#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: settings_writer PATH\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QList<Commun::EntreeINI> contents[2] = {contenuA(), contenuB()};
    // Never outlives a test that forgot it.
    QElapsedTimer clock;
    clock.start();
    for (long i = 0; clock.elapsed() < 60000; ++i) {
        Commun::Ecrire_INI(contents[i % 2], path);
        if (i == 1) { // the file now changes at every save
            std::puts("ready");
            std::fflush(stdout);
        }
    }
    return 0;
}
