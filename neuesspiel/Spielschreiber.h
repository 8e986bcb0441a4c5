#pragma once

#include "board/Brettwahl.h"
#include "board/Kartenformat.h"
#include "board/Spieleinstellungen.h"
#include "neuesspiel/Paarangabe.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// What `paarlix --neues-spiel` and the new-game window ask the writer to do.
struct NeuesSpiel {
    QString Ziel;
    QStringList Bilder;
    bool MitNamen = false;
    QString Programm = QStringLiteral("paarlix"); // how the game is started, for the last line
    std::function<bool()> Abgebrochen = {}; // asked often (Ctrl+C); may be empty
    // Called after each pair with its line of the summary; may be empty.
    std::function<void(int erledigt, int gesamt, const QString& zeile)> Fortschritt = {};
    QStringList Namen = {}; // the name cards' texts, one per picture; empty: from the file names
    QSize Bildschirm = Bezugsbildschirm; // the screen the board is chosen for
    // How each picture is named to the user (and on its name card without
    // `Namen`), where that differs from its path in `Bilder` (a name that is
    // not valid UTF-8 is opened through another path); empty: the paths.
    QStringList Anzeigenamen = {};
    // Pairs dealt each round, drawn from all pictures; 0: all of them when
    // they fit the screen, else as many as fit.
    int JeRunde = 0;
    // The pairs, each card a photo or a text; when not empty they are the
    // game, and Bilder, MitNamen, Namen and Anzeigenamen are not used.
    Paarangaben Paare = {};
    // The card format and crop mode the user chose (or the edited game had);
    // none: chosen from the photos.
    std::optional<Kartenformat> Format = {};
    // Ziel is an existing game that this one replaces as a whole once it is
    // complete; its settings the writer does not choose, its card back and
    // the best results stay.
    bool Ersetzen = false;
    // The list file the pairs come from, named when they are too few; may be empty.
    QString Liste = {};
    // Text and name cards are read aloud when turned, the first cards in the
    // first language, the second cards in the second.
    bool TexteVorlesen = false;
    Vorlesesprachen Sprachen = {};
};

// How the writing ended, in words for the user.
struct Schreibergebnis {
    // Abgelehnt: the pictures, their names, the target or the board do not
    // make a game. Fehlgeschlagen: the files could not be written.
    enum class Ausgang { Geschrieben, Abgelehnt, Abgebrochen, Fehlgeschlagen };
    Ausgang Art = Ausgang::Fehlgeschlagen;
    QString Meldung; // why nothing was written, one paragraph per line; empty when written
    // One line per picture written (so far), and when written a last line
    // with the board and how to start the game; control characters in file
    // names are made visible.
    QStringList Zusammenfassung;
    // The program's exit status: 0 written, 1 not.
    int status() const { return Art == Ausgang::Geschrieben ? 0 : 1; }
};

// Writes a complete game folder at auftrag.Ziel: "Paarlix.ini" with the
// demo's values, the board, card format and crop mode chosen for the
// pictures (and the pairs per round when a round deals fewer pairs than there
// are pictures or places), the card-back overlay "Kartentext.bmp" and the
// pairs: a photo copied (a JPEG as it is, checked with the game's decoder),
// the first photo linked again where the second card is empty, a text drawn
// as a text card (beside a photo as its name card). Missing folders above the
// target are made. Everything is written into a draft beside the target and
// renamed at the end, so a refusal or failure leaves nothing (also no folder
// made above it); drafts of killed runs beside it are removed.
// With Ersetzen the draft takes the old game's place in one step once it is
// complete; it keeps the old settings file's values and comments except the
// ones chosen here, a card back the game can read, and every file that is
// not a card. Until then the old game stays as it was.
Schreibergebnis schreibeNeuesSpiel(const NeuesSpiel& auftrag);
