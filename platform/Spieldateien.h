#pragma once

#include "platform/Lesedatei.h"

#include <QHash>
#include <QSet>
#include <QString>

// The game folder's files, listed once, and where a game file is found when
// the case of its name's letters differs: the exact name always wins;
// otherwise the name equal to it ignoring the case of A to Z, where a name
// ending in ".jpg" also matches ".jpeg" in any case; of several such names
// the first in sorted order. Nothing changes after construction, so one
// listing may be shared by threads.
// The name as the game compares its files' names: A to Z in lower case and
// ".jpeg" as ".jpg". Wider case folding would let unrelated names match.
QString spieldateiSchluessel(const QString& name);

class Spieldateien {
public:
    // No listing: every name is opened as given.
    Spieldateien() = default;
    // Lists the folder's names once (no file is opened or examined).
    explicit Spieldateien(const QString& ordner);

    // The path to open for name. A name with a folder part, or any name
    // without a listing, is returned as given; a name that matches nothing
    // is kept in the folder, so that opening it fails.
    QString pfad(const QString& name) const;

    // Whether the folder holds a file for name as pfad finds it. Without a
    // listing, whether the path exists.
    bool enthaelt(const QString& name) const;

    // Opens the file for name (see Lesedatei: regular files only, never blocking).
    Lesedatei oeffne(const QString& name) const { return Lesedatei(pfad(name)); }

private:
    QString imOrdner(const QString& name) const;

    QString ordner_;
    bool gelistet_ = false;
    QSet<QString> namen_;
    // Name with A to Z lowered and ".jpeg" as ".jpg" -> first such name in sorted order.
    QHash<QString, QString> ohneGrossKlein_;
};
