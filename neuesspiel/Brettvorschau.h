#pragma once

#include "board/Kartenformat.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// The board for the photos as the window shows it while photos are added.
struct Brettvorschau {
    bool Gut = false;
    int Spalten = 0;
    int Zeilen = 0;
    QSize Karte;  // on bildschirm
    // "15 Paare → 6 × 5 Karten, je bis zu 87 × 116 Pixel auf diesem Bildschirm", or why there is
    // no game. "bis zu": a window manager's title bar and panels take their part of the screen
    // only once the game's window exists.
    QString Text;
    int Paare = 0; // dealt each round
    int Frei = 0;  // empty places on the board
    int Vorschlag = 0; // pairs per round with which every name can be read; 0: none to suggest
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

// Whether `text` is at least MinNamenPixel high on the largest card a board on
// `bildschirm` shows (a round of one pair); else no board makes it readable.
bool irgendwoLesbar(const QString& text, const Kartenformat& format, QSize bildschirm);

// The board the writer chooses for the question (tens of milliseconds: it
// searches for the largest count that fits). With names, a second line tells
// when the smallest name would be set below MinNamenPixel on the board, and
// the most pairs per round that make every name readable (also as Vorschlag).
Brettvorschau brettvorschau(const Brettfrage& frage);
Brettvorschau brettvorschau(const std::vector<QSize>& fotos, QSize bildschirm);
