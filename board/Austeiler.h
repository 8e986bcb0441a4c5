#pragma once

#include "board/Zellcode.h"
#include "platform/Zufallsquelle.h"

#include <QString>
#include <QStringList>
#include <vector>

// One picture of the deal and the cell it lands on.
struct Austeilschritt {
    int K = 0;              // picture index, 0 .. N - 1
    QString Dateiname;      // "01a.jpg", ...
    int PaarNummer = 0;     // the number in the pair's file names; k div 2 + 1 on a full board
    bool ZweitesBild = false; // the "b" picture of its pair
    Zelle Ziel;
    int Fortschritt = 0;    // (k + 1) * 100 div N, the bar after this picture
    // Tag of the cell's small and large picture: negated for a "b" picture.
    int BildTag() const { return ZweitesBild ? -zellcode(Ziel.Zeile, Ziel.Spalte) : zellcode(Ziel.Zeile, Ziel.Spalte); }
};

// The order of the deal: every picture goes to a uniformly chosen free cell,
// exactly one random number per picture. Cells beyond the dealt pictures stay
// empty, together at the end of the board in reading order.
class Austeiler {
public:
    // Every cell gets a picture: pairs 1 .. spalten * zeilen / 2.
    // 1 <= spalten, zeilen <= 100; the random source outlives the dealer.
    Austeiler(int spalten, int zeilen, Zufallsquelle& zufall);
    // The pairs with these file numbers, in this order (picture k is pair
    // paare[k / 2]), on the first 2 * paare.size() cells; std::invalid_argument
    // for no pair or more than the board holds.
    Austeiler(int spalten, int zeilen, std::vector<int> paare, Zufallsquelle& zufall);

    int anzahl() const { return n_; }
    // The file of every picture, picture k at index k: the list the deal's
    // renderers work through and the names the steps carry.
    const QStringList& dateinamen() const { return dateinamen_; }
    bool fertig() const { return k_ >= n_; }
    // The next picture; draws naechste(N - k). !fertig().
    Austeilschritt naechster();

private:
    Austeiler(int spalten, int zeilen, std::vector<int> paare, int bilder, Zufallsquelle& zufall);

    int spalten_;
    int n_;
    int k_ = 0;
    Zufallsquelle& zufall_;
    std::vector<int> paare_;
    std::vector<bool> frei_; // row by row
    QStringList dateinamen_;
};

// The whole deal of `paare` at once: for every cell in reading order the
// picture k it gets, -1 for an empty place.
std::vector<int> austeilen(int spalten, int zeilen, const std::vector<int>& paare, Zufallsquelle& zufall);
