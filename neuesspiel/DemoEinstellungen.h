#pragma once

#include <QString>
#include <QStringList>

// The demo's "Paarlix.ini": German comment blocks, each followed directly by
// its value line (the group names by their two lines). Lines end in "\n".
QString demoEinstellungsText();

// The same file with another board of `spalten` x `zeilen` cards.
// 1 <= spalten, zeilen <= 100; spalten * zeilen even
QString einstellungsTextMitBrett(int spalten, int zeilen);

