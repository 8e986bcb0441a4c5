#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for.
struct Befehl {
    enum class Art { Spielen, OrdnerWaehlen, NeuesSpiel, Hilfe, Version, Fehler };
    Art art = Art::Spielen;
    QString ordner;     // Spielen: the game folder (empty: the current one); NeuesSpiel: the target
    QStringList bilder; // NeuesSpiel: the pictures in the order given
    bool mitNamen = false;
    QString meldung;    // Fehler: what is wrong, in German
};

// Reads the arguments (the first is the program). Qt's own options are not
// taken: the command line is read before the application object exists.
Befehl leseBefehlszeile(const QStringList& argumente);

// The short German help for `paarlix --help`.
QString hilfetext(const QString& programm);
