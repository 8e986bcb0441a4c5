#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Text as a spreadsheet saves it (CSV or tab-separated), split into records.

// One record: the line it starts on (1 for the first) and its fields as written.
struct Tabellenzeile {
    int Zeile = 0;
    std::vector<QByteArray> Felder;
};

struct Tabelle {
    std::vector<Tabellenzeile> Saetze;
    // Why the text cannot be split, naming line and column; empty when it was.
    QString Fehler;
};

// Splits `text` (without a byte order mark): lines end in LF, CR LF or CR;
// lines beginning with "#" are left out; the separator is the first tab,
// semicolon or comma outside quotes (a semicolon when there is none); quoted
// fields hold separators, doubled quotes and line breaks; blanks around
// unquoted fields are dropped. Empty lines make no record.
Tabelle zerlegeTabellentext(const QByteArray& text);
