#pragma once

#include <QRect>
#include <array>

// Where the collected-cards panel and the two group panels lie. Rectangles of
// the group panels are relative to PBekommeneKarten, those of the labels
// relative to their group panel.
struct Gruppengeometrie {
    QRect BekommeneKarten;              // in the main window's client area
    int KartenProReihe = 1;
    std::array<QRect, 2> GruppenPanels; // entry 0 is the upper one
    QRect KopfLabel;                    // NamensLabel and PunkteLabel share this strip
    int LinkerRand = 0;                 // left edge of the first column of collected cards
    QRect ZuegeLabel;                   // placed for the single-player game by einzelspielerAufbau
};

// Builds the panels' geometry for a client area and the board's settings.
// ClientHeight >= 10, Spalten >= 1
Gruppengeometrie gruppengeometrie(int ClientWidth, int ClientHeight, int Spalten, int Zeilen,
                                  int KartenBreite, int KartenHoehe);

// AnDerReiheLabel inside a group panel of the given height: 100 pixels high,
// centred on 31 + (height - 33) div 2. panel0Breite is the width of GruppenPanels[0].
QRect anDerReiheLabel(int panelHoehe, int panel0Breite);

// The single-player game uses panel 0 alone, over the whole height.
struct Einzelspieleraufbau {
    QRect Panel0;
    QRect ZuegeLabel; // its bottom ends 4 pixels above the panel's bottom edge
};

// panel0 and zuegeLabel as built by gruppengeometrie.
Einzelspieleraufbau einzelspielerAufbau(int hoeheBekommene, const QRect& panel0, const QRect& zuegeLabel);

// Width left for a group's name on the header strip it shares with the points
// text at the strip's right end, keeping a small gap between the two.
int freieNamensbreite(int streifenBreite, int punkteBreite);
