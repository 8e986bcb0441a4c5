#pragma once

#include <QString>
#include <QStringList>

struct Uebernahmeergebnis {
    enum class Ausgang { Uebernommen, Wiederverwendet, Abgelehnt, Fehlgeschlagen };
    Ausgang Art = Ausgang::Fehlgeschlagen;
    QString Spielordner;     // where the game now is (Uebernommen, Wiederverwendet)
    QString Meldung;         // why not, in German, naming the file and the cause
    QStringList Ausgelassen; // files in the archive the game would not read
    QString Zusammenfassung; // one line for the user
    bool gelungen() const { return Art == Ausgang::Uebernommen || Art == Ausgang::Wiederverwendet; }
};

// True when `pfad` ends in ".paarlix" (any case).
bool hatPaarlixEndung(const QString& pfad);

// Unpacks a .paarlix file into `spieleordner` (made if missing) as NAME/,
// through a draft beside it renamed in one step. A game of that name with
// the same files is reused; a different one is never touched: "NAME (2)".
// Hostile archives are refused and nothing is written outside the target.
Uebernahmeergebnis uebernimmSpiel(const QString& datei, const QString& spieleordner);
