#pragma once

#include "druck/Druckbogen.h"
#include "neuesspiel/Paarlistendatei.h"

#include <QString>
#include <QStringList>

// What the command line asks for.
struct Befehl {
    enum class Aufruf { Spielen, OrdnerWaehlen, NeuesSpiel, Drucken, Hilfe, Version, Fehler };
    Aufruf Art = Aufruf::Spielen;
    QString Ordner;     // Spielen, Drucken: the game folder (empty: the current one); NeuesSpiel: the target
    QString Datei;      // Drucken: the PDF to write; empty: the print dialog
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
