#pragma once

#include "board/Zellcode.h"
#include "platform/Zufallsquelle.h"

#include <QString>
#include <QStringList>
#include <vector>

// One picture of the deal and the cell it lands on.
struct Austeilschritt {
    int k = 0;              // picture index, 0 .. N - 1
    QString Dateiname;      // "01a.jpg", ...
    int PaarNummer = 0;     // k div 2 + 1
    bool ZweitesBild = false; // the "b" picture of its pair
    Zelle Ziel;
    int Fortschritt = 0;    // (k + 1) * 100 div N, the bar after this picture
    // Tag of the cell's small and large picture: negated for a "b" picture.
    int BildTag() const { return ZweitesBild ? -zellcode(Ziel.Zeile, Ziel.Spalte) : zellcode(Ziel.Zeile, Ziel.Spalte); }
};

// The order of the deal: every picture goes to a uniformly chosen free cell,
// exactly one random number per picture.
class Austeiler {
public:
    // 1 <= spalten, zeilen <= 100; the random source outlives the dealer.
    Austeiler(int spalten, int zeilen, Zufallsquelle& zufall);

    int anzahl() const { return n_; }
    // The file of every picture, picture k at index k: the list the deal's
    // renderers work through and the names the steps carry.
    const QStringList& dateinamen() const { return dateinamen_; }
    bool fertig() const { return k_ >= n_; }
    // The next picture; draws naechste(N - k). !fertig().
    Austeilschritt naechster();

private:
    int spalten_;
    int n_;
    int k_ = 0;
    Zufallsquelle& zufall_;
    std::vector<bool> frei_; // row by row
    QStringList dateinamen_;
};
