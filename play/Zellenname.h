#pragma once

#include <QString>

// What a sighted player sees at a place of the board. Leer: no card was dealt there.
enum class Kartenlage { Verdeckt, Aufgedeckt, Gesammelt, Leer };

// A picture as players know it: its file name without extension, "07a".
// paarNummer >= 1.
QString bildname(int paarNummer, bool zweitesBild);

// A cell as the board's letters and numbers name it: "B3". The letter is the
// column's, the number counts rows from the bottom. 0 <= zeile < zeilen.
QString zellenKoordinate(int zeile, int spalte, int zeilen);

// The name a screen reader says for a place of the board: "B3, verdeckt",
// "B3, aufgedeckt, Bild 07a", "gesammelt" (also where no card was dealt). The
// picture is only named when open. bildtext: what bildText says of it.
QString zellenName(const QString& koordinate, Kartenlage lage, const QString& bildtext);

// The name of a picture on a card or shown large: its own description when it
// has one ("Oma Erna"), else "Bild 07a".
QString bildText(const QString& bild, const QString& beschreibung = {});
