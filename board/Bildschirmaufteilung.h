#pragma once

#include "board/Spieleinstellungen.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>

// Sizes of the fixed panels that the layout only moves.
inline constexpr QSize PStatusBarGroesse{513, 121};
inline constexpr QSize PAnfangsEinstellungenGroesse{498, 720};

// Where everything goes when the board is fitted to the window's client area.
struct Bildschirmaufteilung {
    // Image1 and Image2 (and every cell's large picture).
    int BildBreite = 0;
    int BildHoehe = 0;
    int OptimaleBreite = 0;
    int OptimaleHoehe = 0;
    // The card size from here on: the optimal one in auto mode, else the settings'.
    int KartenBreite = 0;
    int KartenHoehe = 0;
    QRect PKarten;
    QRect PBildRechts;
    QRect PBildLinks;
    QSize Image3;
    QPoint PStatusBar;
    QPoint PAnfangsEinstellungen;
    QString Label3;
    QString Label1;
    // False when no playable board can be built from these values; Fehlertext
    // then tells the user why and what to change.
    bool Passt = true;
    QString Fehlertext;
};

// Lays out the window for the given client size. Never divides by zero or
// overflows: settings that cannot be laid out give Passt = false.
Bildschirmaufteilung berechneBildschirmaufteilung(int clientBreite, int clientHoehe,
                                                  const Spieleinstellungen& einstellungen);

// The room for the cards and the gaps between them: the left half of the
// client area less the board's margin with the letters and numbers and its
// frame. Half of an odd width keeps its half pixel.
QSizeF kartenflaeche(int clientBreite, int clientHoehe);
