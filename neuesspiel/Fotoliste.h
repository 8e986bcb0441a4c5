#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "neuesspiel/Kartenformat.h"

#include <optional>
#include <utility>
#include <vector>

// Rules of the new-game window's list of photos, without widgets.

// Whether a file's base name (no folder, no extension) is one that a camera or phone
// gives: "IMG_2041", "DSC01234", "PXL_20240512_143321123", "IMG-20240512-WA0001", a date
// and time such as "20240512_143321" or "2024-05-12 14.33.21". Such names are no names
// for a name card.
bool istKameraname(const QString& name);

// The name prefilled for a photo: its name card's text from the file name, empty for a
// camera's name.
QString vorgeschlagenerName(const QString& pfad);

// For each name whether another one is equal to it (ignoring blanks at the ends, repeated
// blanks and the case of letters). Empty names are never equal.
std::vector<bool> doppelteNamen(const QStringList& namen);

// The order a file manager shows names in: numbers by value ("Bild 9" before "Bild 10"),
// letters ignoring their case.
bool natuerlichVor(const QString& a, const QString& b);

// The game name suggested for photos whose first one is at fotopfad: its folder's name.
QString spielnameFuer(const QString& fotopfad);

// Why name cannot be the name of a game folder; empty when it can.
QString spielnameFehler(const QString& name);

// Why a list of photos with these names (mitNamen: the second card shows the name) cannot
// be written yet; empty when it can. zeile: the row to look at (-1 for none).
struct Namensfehler {
    QString Text;
    int Zeile = -1;
};
Namensfehler pruefeNamen(const QStringList& namen, bool mitNamen);

// The board for the photos as the window shows it while photos are added.
struct Brettvorschau {
    bool Gut = false;
    int Spalten = 0;
    int Zeilen = 0;
    QSize Karte;  // on bildschirm
    QString Text; // "15 Paare → 6 × 5 Karten, je 87 × 116 Pixel auf diesem Bildschirm", or why there is no game
    int Paare = 0; // dealt each round
    int Frei = 0;  // empty places on the board
};

// What the board shown depends on: the count, the card format of the photos read so far
// and the screen. Two photos lists with equal questions get the same board.
struct Brettfrage {
    int Paare = 0;
    Kartenformat Format;
    QSize Bildschirm;
    int JeRunde = 0; // pairs per round the user asks for; 0: all that fit
    QStringList Namen = {}; // the name cards' texts when the second card shows the name
    friend bool operator==(const Brettfrage&, const Brettfrage&) = default;
};

// The question for these photos (upright sizes; an empty size for one not read yet).
Brettfrage brettfrage(const std::vector<QSize>& fotos, QSize bildschirm, int jeRunde = 0);

// Name cards whose text would be smaller than this on the board cannot be read.
inline constexpr int MinNamenPixel = 10;

// The board the writer chooses for the question (tens of milliseconds: it
// searches for the largest count that fits). With names, a second line tells
// when the smallest name would be set below MinNamenPixel on the board, and
// the most pairs per round that make every name readable.
Brettvorschau brettvorschau(const Brettfrage& frage);
Brettvorschau brettvorschau(const std::vector<QSize>& fotos, QSize bildschirm);

// Which board to show while a worker answers questions one at a time, as thumbnails
// arrive one by one: the latest question wins. An answer to an older question is dropped;
// a question that is being answered or was answered is not asked again. While only the
// names changed, the board answered before is shown.
class Brettvorschauen {
public:
    struct Schritt {
        Brettvorschau Zeigen;             // "Spielfeld wird berechnet …" (not Gut) while open
        std::optional<Brettfrage> Starte; // to be answered by the worker
    };
    Schritt frage(const Brettfrage& frage);
    // The worker's answer to `frage`, the last question Starte gave; returns the next one.
    std::optional<Brettfrage> beantwortet(const Brettfrage& frage, const Brettvorschau& antwort);

private:
    std::optional<Brettfrage> gefragt_;
    bool rechnet_ = false;
    std::optional<std::pair<Brettfrage, Brettvorschau>> antwort_;
};
