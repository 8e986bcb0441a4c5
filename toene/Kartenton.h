#pragma once

#include <QString>
#include <QStringList>

// The endings of a card's sound in a game folder, first the one written.
inline const QStringList KartentonEndungen = {QStringLiteral("ogg"), QStringLiteral("opus")};

// The sound file beside a card ("03b.jpg" -> "03b.ogg"), or empty when the
// card has none.
QString kartentonZu(const QString& kartenpfad);
// The name the writer gives a card's sound: the card's name with ".ogg".
QString kartentonName(const QString& kartenpfad);
