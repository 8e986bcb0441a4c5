#pragma once

#include <QSize>
#include <QString>

#include <vector>

// The proportions of every card (settings 2) and whether pictures are cropped
// to fill them (setting 7).
struct Kartenformat {
    int FormatX = 3;
    int FormatY = 4;
    bool Schneiden = false;
    friend bool operator==(const Kartenformat&, const Kartenformat&) = default;
};

// The share of a card of proportions formatX:formatY that a photo of `foto`'s
// proportions fills when fitted, which is also the share of the photo kept
// when it is cropped to the card. 1 for a perfect match; 0 for an empty size.
double deckung(QSize foto, int formatX, int formatY);

// The card format for photos of these upright sizes (orientation applied).
// Of 4:3, 3:4 and 1:1 the one whose typical photo (geometric mean of the
// shares above) fills the most of its card; 1:1 unless 4:3 or 3:4 fills more
// than 5 % more, so an evenly mixed set gets square cards that treat both
// kinds alike. Cropped when at least 90 % of the photos lose at most 15 %.
// No photos: 3:4 fitted.
Kartenformat waehleKartenformat(const std::vector<QSize>& fotos);

// "Querformat 4:3", "Hochformat 3:4" or "quadratisch 1:1", with
// ", zugeschnitten" or ", ganz gezeigt".
QString formatBeschreibung(const Kartenformat& format);
