#pragma once

#include "board/Spieleinstellungen.h"
#include "neuesspiel/Paarangabe.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// A list of pairs as a spreadsheet exports it: one pair per line, the first
// card and the second card in two columns.

// What the list's first line is: guessed, or as the user says.
enum class Kopfzeile { Raten, Ueberschrift, Paar };

struct Listenergebnis {
    Paarangaben Paare;
    // Why the list makes no game, one refusal per line, each naming its line
    // and column ("Zeile 4, Spalte 2: …"; after ten, one more line counts the
    // rest), or "Die Liste enthält kein Paar."; empty when the list was read.
    QString Meldung;
    // The first line reads as the columns' titles (whatever was chosen).
    bool UeberschriftVermutet = false;
    // The first line was left out as the titles.
    bool UeberschriftUebersprungen = false;
    // The first line's fields as written, for saying what became of it.
    QStringList Kopf = {};
    // The columns' languages when the titles left out name one (spracheAusName),
    // German for a column that names none; none without such a title.
    std::optional<Vorlesesprachen> Sprachen = {};
};

// More refusals than this hide the rest behind a count: a binary file read
// as a list would give thousands.
inline constexpr int GezeigteFehler = 10;

// Refusals one a line: the first GezeigteFehler, then "… und 3 weitere Fehler.".
QString fehlerzeilen(const QStringList& fehler);

// The largest list file read; a list of pairs is far smaller.
inline constexpr qint64 GroesstePaarliste = 1024 * 1024;

// Reads the list file at pfad (a regular file of at most GroesstePaarliste
// bytes); photos in it are found relative to its folder.
Listenergebnis lesePaarliste(const QString& pfad, Kopfzeile kopf = Kopfzeile::Raten);

// Reads a list's text. The rules:
// - UTF-8, with or without a byte order mark; lines end in LF, CR LF or CR.
//   Lines that are empty or begin with "#", and lines of empty columns only,
//   are skipped; a record's line is the line it starts on.
// - The separator is the first tab, semicolon or comma outside quotes, from
//   the top (comment lines left out); quoted fields hold separators, doubled
//   quotes and line breaks. Blanks around unquoted fields are dropped.
// - A field that names an existing file (relative to listenordner, or
//   absolute) or ends in a picture extension (jpg, jpeg, png, bmp, gif, webp,
//   tif, tiff, heic, heif, hif, avif, any case) is a photo; anything else is a text. A photo named
//   twice (also through a link or a hard link: dateikennung) is refused. A field ending as a
//   sound (Tonendungen) is a card that is only that sound.
// - A third column holds a sound for the second card, or with "1:" before it for the first
//   (for the photo alone when the second is empty); columns after it must be empty.
// - A field of blanks (Unicode blanks too) is empty. An empty second column
//   after a photo or a sound shows that card twice (Zweite empty).
// - The first line (comment and empty lines left out) heads the columns and is
//   left out when kopf says so, or, guessed, when both its cards are column
//   titles (a language's name in German or English, or a word such as Frage,
//   Antwort, Wort, Bild, Name, Text, "Erste Karte"; any case) or when it has no
//   photo and every other line has one.
// - Texts lose their format characters (ohneFormatzeichen).
// Every card carries "Zeile N, Spalte K" as its Herkunft and the field as
// written as its Anzeigename; a sound its own place and field as written
// (TonHerkunft, Tonanzeigename). Photos are checked to exist and to have a
// readable picture header; they are not decoded.
Listenergebnis lesePaarlistentext(const QByteArray& inhalt, const QString& listenordner,
                                  Kopfzeile kopf = Kopfzeile::Raten);

// What became of the first line, for the command line's summary: "Erste Zeile („Deutsch“,
// „Englisch“) als Überschrift übersprungen." (with how to keep it when that was a guess), or
// "… als Paar gelesen." when the titles' guess was overruled; empty when there was nothing
// to choose.
QString kopfzeilenText(const Listenergebnis& ergebnis, Kopfzeile kopf);
