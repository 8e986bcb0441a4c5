#pragma once

#include <QString>

class Spieldateien;
#include <QStringList>

// The endings of a card's sound in a game folder, first the one written.
inline const QStringList KartentonEndungen = {QStringLiteral("ogg"), QStringLiteral("opus")};

// The sound file beside a card ("03b.jpg" -> "03b.ogg"), or empty when the
// card has none.
QString kartentonZu(const QString& kartenpfad);
// The same in a folder listed once (a deal of many cards): kartenname is a
// name in that folder; the ending's case does not matter (as Spieldateien finds).
QString kartentonZu(const Spieldateien& ordner, const QString& kartenname);
// The name the writer gives a card's sound: the card's name with ".ogg".
QString kartentonName(const QString& kartenpfad);
