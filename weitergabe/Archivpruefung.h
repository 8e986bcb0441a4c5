#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

struct zip;

// What a .paarlix file may hold. Larger entries are refused before they are
// read: none can be a picture the game reads.
inline constexpr int GroessteEintragszahl = 2000;
inline constexpr qint64 GroessteAuspackung = 2LL * 1024 * 1024 * 1024;

// A file of the game in the archive.
struct Archiveintrag {
    std::uint64_t Index = 0;
    QString Name;       // in the game's folder, no folder part
    QString Pfad;       // in the archive, for messages
    qint64 Groesse = 0; // as declared; reading holds it to that
};

struct Archivinhalt {
    QString Grund;     // why the archive is refused, a clause in German; empty when it is not
    QString Spielname; // the one top folder
    std::vector<Archiveintrag> Dateien; // the files the game reads
    QStringList Ausgelassen;            // the other files, as paths in the game's folder
    qint64 Bytes = 0;                   // of Dateien
    bool abgelehnt() const { return !Grund.isEmpty(); }
};

// Looks at every entry of the archive before anything is written: names
// (no "..", absolute paths, backslashes, control characters, empty parts),
// kinds (no links, devices or other special entries), one top folder holding
// all, no duplicates, no encryption, known packing, the counts and sizes
// above, and a "Paarlix.ini" in the top folder. The contents are not read.
Archivinhalt pruefeArchiv(zip* archiv);

// "Die Datei „NAME.paarlix“ wird nicht übernommen: GRUND."
QString ablehnung(const QString& datei, const QString& grund);
