#pragma once

#include <QLineF>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>

#include <vector>

// What the person chooses for a print of a game.
struct Druckoptionen {
    QPageSize Seite = QPageSize(QPageSize::A4);
    // The card's long side in millimetres, 40 to 90.
    int LangeSeiteMm = 60;
    // "Beide Karten eines Paares nebeneinander": 01a 01b 02a 02b ... instead
    // of every "a" card first and every "b" card after them.
    bool PaareNebeneinander = false;
    // "Ohne Rückseiten": no page of backs after each page of fronts.
    bool OhneRueckseiten = false;
};

inline constexpr int KleinsteSeiteMm = 40;
inline constexpr int GroessteSeiteMm = 90;
inline constexpr double DruckrandMm = 10.0;

// One card on a page: its place in millimetres from the page's top-left
// corner and which picture goes there.
struct Druckkarte {
    QRectF Rechteck;
    int Paar = 0;              // 1 ..
    bool ZweitesBild = false;  // the "b" picture
    friend bool operator==(const Druckkarte&, const Druckkarte&) = default;
};

struct Druckseite {
    bool Rueckseite = false;
    std::vector<Druckkarte> Karten;
    std::vector<QLineF> Schnittlinien;  // thin lines along the cards' edges
    std::vector<QLineF> Schnittmarken;  // short marks in the margin, in line with the edges
};

// The whole print: every page in order, a page of backs after each page of
// fronts (unless left out), all sizes in millimetres.
struct Druckbogen {
    QSizeF SeiteMm;
    QSizeF KarteMm;
    int Spalten = 0;
    int Zeilen = 0;
    std::vector<Druckseite> Seiten;
    // An empty text when the cards fit; else why not.
    QString Fehler;
};

// The card's size: formatX:formatY with the long side langeSeiteMm.
// formatX, formatY > 0.
QSizeF kartenGroesseMm(int formatX, int formatY, int langeSeiteMm);

// Lays out `paare` pairs of cards of formatX:formatY. The cards sit edge to
// edge, as many as fit inside the 10 mm margins, the block centred on the
// page. A back page is the front page mirrored left to right, so that after
// a flip on the long edge (portrait pages) back k lies behind front k.
// A long side outside 40 .. 90 mm is clamped. paare >= 0, formats > 0.
Druckbogen planeDruckbogen(int paare, int formatX, int formatY, const Druckoptionen& optionen);
