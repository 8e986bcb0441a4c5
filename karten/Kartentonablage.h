#pragma once

#include "toene/Ton.h"

#include <QString>
#include <QStringList>

#include <optional>

// A card's sound on its way into a game folder: checked before anything is
// written, then stored beside its card ("03b.jpg" and "03b.ogg").

// The endings of the sound files a list or the new-game window take.
inline const QStringList Tonendungen = {QStringLiteral("wav"), QStringLiteral("flac"), QStringLiteral("ogg"),
                                        QStringLiteral("oga"), QStringLiteral("opus"), QStringLiteral("mp3")};
// Whether `name` ends in one of Tonendungen, in any case.
bool hatTonendung(const QString& name);

// A sound ready to be stored: made (read, trimmed and evened) or, when it
// is already a game's stored sound, linked as it is.
struct Kartentonplan {
    std::optional<Tonproben> Ton;
    QString Verweis; // a stored sound taken over as it is
    bool leer() const { return !Ton && Verweis.isEmpty(); }
};

// Prepares the sound at `pfad`, named `name` to the user; `gespeichert`: it is
// an edited game's own sound, kept as it is. A refusal is a whole sentence
// naming the sound and the reason ("Der Ton „x.wav“ ist länger als 10
// Sekunden."), in `fehler`.
Kartentonplan bereiteTonVor(const QString& pfad, const QString& name, bool gespeichert, QString& fehler);

// Stores the prepared sound as the new file `ziel`; the reason why not, or empty.
QString legeTonAb(const Kartentonplan& plan, const QString& ziel);
