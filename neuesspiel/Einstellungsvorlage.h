#pragma once

#include "neuesspiel/Kartenformat.h"

#include <QString>
#include <QStringList>

// The "Paarlix.ini" every written game starts from, with the demo's values:
// German comment blocks, each followed directly by its value line (the group
// names by their two lines). Lines end in "\n".
QString einstellungsvorlage();

// The same file with another board of `spalten` x `zeilen` cards and the
// card proportions and crop mode of `format` (the demo's are 3:4, fitted).
// With paareJeRunde > 0 a twelfth block follows that deals that many pairs
// per round; without it the text is the eleven settings alone.
// 1 <= spalten, zeilen <= 100; spalten * zeilen even; paareJeRunde <= spalten * zeilen / 2
QString einstellungsTextMitBrett(int spalten, int zeilen, const Kartenformat& format = {}, int paareJeRunde = 0);

