#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QTextStream;

// What `paarlix --neues-spiel` is asked to do.
struct NeuesSpiel {
    QString ziel;
    QStringList bilder;
    bool mitNamen = false;
    QString programm = QStringLiteral("paarlix"); // how the game is started, for the last line
    std::function<bool()> abgebrochen = {};          // asked before each picture (Ctrl+C); may be empty
    std::function<void(int erledigt, int gesamt)> fortschritt = {}; // called after each picture; may be empty
    QStringList namen = {}; // the name cards' texts, one per picture; empty: from the file names
};

// Writes a complete game folder at auftrag.ziel: "Paarlix.ini" with the
// demo's values and the chosen board, the demo's "Kartentext.bmp" and one
// pair per picture. Everything is written into a hidden folder beside the
// target and renamed at the end, so a refusal or failure leaves nothing.
// One line per picture goes to `ausgabe`, refusals to `fehler`.
// Returns the exit status: 0 written, 1 refused.
int schreibeNeuesSpiel(const NeuesSpiel& auftrag, QTextStream& ausgabe, QTextStream& fehler);
