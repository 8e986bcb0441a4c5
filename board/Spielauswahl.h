#pragma once

#include <QString>
#include <QStringList>

class Nutzerkonfiguration;

// The start window's rules, without widgets: which folders hold a game, the last games.

// The config key of the last games, newest first.
inline const QString LetzteSpieleSchluessel = QStringLiteral("Spiele/zuletzt");
inline constexpr int MaxLetzteSpiele = 10;

// Whether ordner holds a game: a "Paarlix.ini" (letters in any case) that is a file.
bool istSpielordner(const QString& ordner);

// "In „…“ liegt kein Paarlix-Spiel."
QString keinSpielMeldung(const QString& ordner);

// The last games remembered, newest first, at most MaxLetzteSpiele; folders that hold no
// game any more are left out.
QStringList letzteSpiele(const Nutzerkonfiguration& konfiguration);

// Puts ordner first in the last games (once, at most MaxLetzteSpiele, missing ones dropped)
// and saves the config. False when it could not be saved.
bool merkeSpiel(Nutzerkonfiguration& konfiguration, const QString& ordner);

// What the list shows of a game.
struct Spieluebersicht {
    QString Name;       // the folder's name
    QString Brett;      // "6 × 5 Karten"; empty when the settings cannot be read
    QString ErsteKarte; // the path of its first picture ("01a.jpg")
};
Spieluebersicht spieluebersicht(const QString& ordner);
