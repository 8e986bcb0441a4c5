// The writer's steps and what they share; only for the writer's own files.
#pragma once

#include "board/Brettwahl.h"
#include "board/Kartenformat.h"
#include "karten/Kartentonablage.h"
#include "neuesspiel/Paarangabe.h"
#include "neuesspiel/Spielschreiber.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class Arbeitsbitmap;
class JpegDekodierer;
class QDir;
struct Kopie;

namespace spielschreiber {

inline const QString NichtsGeschrieben = QStringLiteral(" Es wurde nichts geschrieben.");

// A path as the system calls take it.
QByteArray roh(const QString& pfad);

// A refusal about a card starts with where the user gave it.
QString mitHerkunft(const Kartenangabe& karte, const QString& meldung);
QString mitHerkunft(const QString& herkunft, const QString& meldung);

using Ausgang = Schreibergebnis::Ausgang;

Schreibergebnis beendet(Ausgang art, QString meldung);
Schreibergebnis abgelehnt(const QString& meldung);
Schreibergebnis fehlgeschlagen(const QString& meldung);
Schreibergebnis abgebrochen();
// A failure while writing names the game, not the hidden draft.
Schreibergebnis schreibfehler(const QString& ziel, int f);

// One pair as it is written: its two cards; an empty second card is the
// first card's photo again.
struct Paarplan {
    int Paar = 0;
    Kartenangabe Erste;
    Kartenangabe Zweite;
    QString ZielA;
    QString ZielB;
    Kartentonplan TonA; // the cards' sounds, made before anything is written
    Kartentonplan TonB;
    bool mitFoto() const { return Erste.istFoto() || Zweite.istFoto(); }
};

// What the checks found out, for the writing.
struct Plan {
    std::vector<Paarplan> Paare;
    QString Ziel; // absolute and clean; when editing, canonical
    Kartenformat Format;
    Spielfeld Feld;
};

// No result: go on.
using Schritt = std::optional<Schreibergebnis>;

// A Kopie's failure as the writer's step; none when it went through.
Schritt alsSchritt(const Kopie& k, const QString& ziel);

// Whether `pfad` is a file of the game being replaced, which is then linked
// into the new version rather than copied.
bool imAltenSpiel(const NeuesSpiel& auftrag, const Plan& plan, const QString& pfad);

// The checks and the plan (SpielschreiberPruefung.cpp).

// The photos exist, are plain files, each in one pair; the pairs are enough,
// and no two text cards read the same.
Schritt pruefePaare(const NeuesSpiel& auftrag, Plan& plan);

// The target can take a game, the cards can be lettered, and a board fits the screen.
Schritt planeSpiel(const NeuesSpiel& auftrag, Plan& plan);

// Every card's sound read and made ready, so that a refused one leaves nothing written.
Schritt bereiteToeneVor(const NeuesSpiel& auftrag, Plan& plan);

// The settings file and the card back (SpielschreiberEinstellungen.cpp).

// The settings and the card-back overlay, read back and checked; when
// editing, the old settings' other values, the old card back and every
// other file of the old game that is not a card.
Schritt schreibeSpieldateien(const NeuesSpiel& auftrag, const Plan& plan, const QDir& ordner);

// The cards (SpielschreiberKarten.cpp).

// Both cards of one pair; `umgewandelt` tells which photos became JPEGs.
Schritt schreibePaar(const NeuesSpiel& auftrag, const Plan& plan, const Paarplan& paar, const QDir& ordner,
                     bool (&umgewandelt)[2], JpegDekodierer& dekodierer, Arbeitsbitmap& probe);

// The line the command line shows for a pair written: each card and its file.
QString paarzeile(const Plan& plan, const Paarplan& paar, const bool (&umgewandelt)[2]);

} // namespace spielschreiber
