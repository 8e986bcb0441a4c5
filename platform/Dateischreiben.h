#pragma once

#include <QByteArray>
#include <QString>

// Writes all of daten to the open descriptor fd, going on after interrupts.
// Returns errno, or 0; a write that takes no byte counts as a full disk.
int schreibeAlles(int fd, const char* daten, qsizetype laenge);

// Write daten as the whole file at pfad; a short write counts as a full disk.
// Return errno, or 0 when every byte is written and the file is closed.

// Makes the file or replaces the one that is there.
int schreibeDateiGanz(const QString& pfad, const QByteArray& daten);
// Makes a new file; an existing one is an error (EEXIST).
int schreibeNeueDatei(const QString& pfad, const QByteArray& daten);
