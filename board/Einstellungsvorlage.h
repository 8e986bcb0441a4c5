#pragma once

#include "board/Kartenformat.h"
#include "board/Spieleinstellungen.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The "Paarlix.ini" every written game starts from, with the demo's values:
// German comment blocks, each followed directly by its value line (the group
// names by their two lines). Lines end in "\n".
QString einstellungsvorlage();

// The same file with another board of `spalten` x `zeilen` cards and the
// card proportions and crop mode of `format` (the demo's are 3:4, fitted).
// With paareJeRunde > 0 a twelfth block follows that deals that many pairs
// per round; with vorlesen a thirteenth block that reads text cards aloud in
// these languages; without both the text is the eleven settings alone.
// 1 <= spalten, zeilen <= 100; spalten * zeilen even; paareJeRunde <= spalten * zeilen / 2
QString einstellungsTextMitBrett(int spalten, int zeilen, const Kartenformat& format = {}, int paareJeRunde = 0,
                                 const std::optional<Vorlesesprachen>& vorlesen = {});


// The twelfth block's lines, without line ends: its comment and the value.
QStringList zwoelfterBlock(int paareJeRunde);
// The same for the thirteenth: "Deutsch, Englisch" and the like.
QStringList dreizehnterBlock(const Vorlesesprachen& sprachen);

// The settings file `alt` of a game being edited with the values the writer
// chooses put in: card proportions (2), board (3), crop mode (7), pairs
// per round (12: replaced, added with its comment block, or removed with it
// when paareJeRunde is 0) and reading aloud (13: the same, removed without
// vorlesen). Every other line, comment and line end stays as
// it was. None when the game's reader does not take `alt`, or not the new
// values from the result; the caller then starts from the template.
// Arguments as for einstellungsTextMitBrett.
std::optional<QString> einstellungsTextErsetzt(const QByteArray& alt, int spalten, int zeilen,
                                               const Kartenformat& format, int paareJeRunde,
                                               const std::optional<Vorlesesprachen>& vorlesen = {});
