#pragma once

#include "druck/Druckbogen.h"
#include "neuesspiel/Paarlistendatei.h"

#include <QString>
#include <QStringList>

// What the command line asks for.
struct Befehl {
    enum class Aufruf { Spielen, OrdnerWaehlen, NeuesSpiel, Drucken, Weitergeben, Uebernehmen, Hilfe, Version, Fehler };
    Aufruf Art = Aufruf::Spielen;
    // Spielen, Drucken, Weitergeben: the game folder (empty: the current one); NeuesSpiel: the target;
    // Uebernehmen: where the game goes (empty: the folder for the games)
    QString Ordner;
    // Drucken: the PDF to write, empty: the print dialog; Weitergeben: the game file to write, empty:
    // NAME.paarlix in the documents folder; Uebernehmen, Spielen, OrdnerWaehlen: a game file to take in
    QString Datei;
    bool Original = false; // Weitergeben: every file unchanged
    Druckoptionen Druck; // Drucken: page, card size and order
    QStringList Bilder; // NeuesSpiel: the pictures in the order given
    QString Paarliste;  // NeuesSpiel: the file listing the pairs (--paare); empty: the pictures are the pairs
    bool MitNamen = false;
    Kopfzeile Kopf = Kopfzeile::Raten; // NeuesSpiel: the list's first line (--ueberschrift, --keine-ueberschrift)
    int JeRunde = 0;      // NeuesSpiel: pairs per round (--je-runde), 0 when not given
    bool OhneTon = false; // Spielen, OrdnerWaehlen: start with the sound off
    QString Meldung;    // Fehler: what is wrong, in German
};

// Reads the arguments (the first is the program). Qt's own options are not
// taken: the command line is read before the application object exists.
Befehl leseBefehlszeile(const QStringList& argumente);

// The short German help for `paarlix --help`.
QString hilfetext(const QString& programm);
