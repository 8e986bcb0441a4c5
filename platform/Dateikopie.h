#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Copying files and folder trees with errno-level results, for writers that
// must tell a read fault from a write fault and stop on request.

// Makes the missing folders down to `ordner`, outermost first, and lists
// them in `angelegt`. Returns errno, or 0.
int legeOrdnerAn(const QString& ordner, QStringList& angelegt);

// How a copy ended: errno of the side that failed, or a stop on request.
struct Kopie {
    int Lesefehler = 0;
    int Schreibfehler = 0;
    bool Abgebrochen = false;
};
using Abbruchfrage = std::function<bool()>;

// Copies a file to the new file `ziel` piece by piece, asking `abgebrochen`
// (may be empty) between the pieces.
Kopie kopiere(const QString& quelle, const QString& ziel, const Abbruchfrage& abgebrochen);

// The same file under a second name: hard-linked where the file system
// allows, else copied.
Kopie verlinke(const QString& von, const QString& nach, const Abbruchfrage& abgebrochen);

// A folder's tree again in the existing folder `nach`: folders made, files
// linked or copied, symbolic links made again (never followed). Pipes,
// sockets and devices are left out, as are the entries of `von` named in `ohne`.
Kopie verlinkeOrdner(const QString& von, const QString& nach, const Abbruchfrage& abgebrochen,
                     const QStringList& ohne = {});
