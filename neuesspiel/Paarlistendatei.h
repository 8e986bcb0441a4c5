#pragma once

#include "neuesspiel/Paarangabe.h"

#include <QByteArray>
#include <QString>

// A list of pairs as a spreadsheet exports it: one pair per line, the first
// card and the second card in two columns.

struct Listenergebnis {
    Paarangaben Paare;
    // Why the list makes no game, one refusal per line, each naming its line
    // and column ("Zeile 4, Spalte 2: …"; after ten, one more line counts the
    // rest), or "Die Liste enthält kein Paar."; empty when the list was read.
    QString Meldung;
};

// The largest list file read; a list of pairs is far smaller.
inline constexpr qint64 GroesstePaarliste = 1024 * 1024;

// Reads the list file at pfad (a regular file of at most GroesstePaarliste
// bytes); photos in it are found relative to its folder.
Listenergebnis lesePaarliste(const QString& pfad);

// Reads a list's text. The rules:
// - UTF-8, with or without a byte order mark; lines end in LF, CR LF or CR.
//   Lines that are empty or begin with "#", and lines of empty columns only,
//   are skipped; a record's line is the line it starts on.
// - The separator is the first tab, semicolon or comma outside quotes, from
//   the top (comment lines left out); quoted fields hold separators, doubled
//   quotes and line breaks. Blanks around unquoted fields are dropped.
// - A field that names an existing file (relative to listenordner, or
//   absolute) or ends in a picture extension (jpg, jpeg, png, bmp, gif, webp,
//   tif, tiff, any case) is a photo; anything else is a text.
// - A field of blanks (Unicode blanks too) is empty. An empty second column
//   after a photo shows that photo twice (Zweite empty). Empty columns after
//   the second are ignored.
// Every card carries "Zeile N, Spalte K" as its Herkunft and the field as
// written as its Anzeigename. Photos are checked to exist and to have a
// readable picture header; they are not decoded.
Listenergebnis lesePaarlistentext(const QByteArray& inhalt, const QString& listenordner);
