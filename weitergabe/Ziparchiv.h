#pragma once

#include <QString>

#include <cstddef>
#include <memory>

struct zip;

// A ZIP archive opened for reading with libzip, with its consistency checked
// (ZIP_CHECKCONS): a truncated or damaged file is refused on opening.
struct Zipschliesser {
    void operator()(zip* archiv) const;
};
using Ziparchiv = std::unique_ptr<zip, Zipschliesser>;

struct Ziparchivoeffnung {
    Ziparchiv Archiv;     // null when it could not be opened
    QString Grund;        // why not, a clause in German ("sie ist keine ZIP-Datei")
    int Systemfehler = 0; // errno when the file itself could not be read
};

// Opens the file at pfad: a regular file only (a pipe or device is not
// waited on), read as it is.
Ziparchivoeffnung oeffneZiparchiv(const QString& pfad);
// Opens an archive held in memory; daten must outlive the archive.
Ziparchivoeffnung oeffneZippuffer(const void* daten, std::size_t laenge);
