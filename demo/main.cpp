// paarlix_demo <folder>: writes a complete demo game folder and checks it.

#include "demo/Spielordner.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Nothing is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication anwendung(argc, argv);

    const QStringList argumente = QGuiApplication::arguments();
    QTextStream fehlerausgabe(stderr);
    const char* const aufruf = "Aufruf: paarlix_demo ORDNER\n"
                               "Schreibt ein vollständiges Paarlix-Spiel (Paarlix.ini, Kartentext.bmp,\n"
                               "01a.jpg bis 15b.jpg) in den ORDNER und prüft jede Datei.\n";
    if (argumente.size() == 2 && (argumente[1] == QLatin1String("--help") || argumente[1] == QLatin1String("-h"))) {
        QTextStream(stdout) << aufruf;
        return 0;
    }
    // An option is never taken as the folder: "--version" must not become a folder of that name.
    if (argumente.size() == 2 && argumente[1].startsWith(QLatin1Char('-'))) {
        fehlerausgabe << "paarlix_demo: Unbekannte Option „" << argumente[1]
                      << "“. Ein Ordner, dessen Name mit - beginnt, geht als ./" << argumente[1] << ".\n"
                      << aufruf;
        return 2;
    }
    if (argumente.size() != 2) {
        fehlerausgabe << aufruf;
        return 2;
    }
    const QString ordner = argumente[1];
    const QStringList fehler = schreibeSpielordner(ordner);
    if (!fehler.isEmpty()) {
        for (const QString& zeile : fehler)
            fehlerausgabe << "paarlix_demo: " << zeile << '\n';
        return 1;
    }
    QTextStream(stdout) << "Demo-Spiel geschrieben und geprüft: " << ordner << '\n';
    return 0;
}
