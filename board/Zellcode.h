#pragma once

#include <QPoint>

// A cell of the board: row 0 is the top row, column 0 the left column.
struct Zelle {
    int Zeile = 0;
    int Spalte = 0;
    friend bool operator==(const Zelle&, const Zelle&) = default;
};

// The Tag of a cell's controls: 1 for the top-left cell, never 0.
// 0 <= zeile <= 100, 0 <= spalte < 100.
constexpr int zellcode(int zeile, int spalte)
{
    return zeile * 100 + spalte + 1;
}

// Reads a Tag back; its sign (first or second picture of a pair) is ignored.
// tag != 0 and |tag| fits (tag > INT_MIN).
constexpr Zelle zelleAusTag(int tag)
{
    const int n = (tag < 0 ? -tag : tag) - 1;
    return Zelle{n / 100, n % 100};
}

// Width of the strip around the cells that holds the column letters and row numbers.
constexpr int Brettrand = 25;

// Left and top of the cell in PKarten's client coordinates.
constexpr QPoint zellPosition(int zeile, int spalte, int kartenBreite, int kartenHoehe,
                              int abstandX, int abstandY)
{
    return QPoint((kartenBreite + abstandX) * spalte + Brettrand,
                  (kartenHoehe + abstandY) * zeile + Brettrand);
}
