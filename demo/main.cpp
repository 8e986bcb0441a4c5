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
    if (argumente.size() != 2) {
        fehlerausgabe << "Aufruf: paarlix_demo <Ordner>\n"
                         "Schreibt ein vollständiges Paarlix-Spiel (Paarlix.ini, Kartentext.bmp,\n"
                         "01a.jpg bis 15b.jpg) in den Ordner und prüft jede Datei.\n";
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
