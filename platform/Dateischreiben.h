#pragma once

#include <QByteArray>
#include <QString>

// Writes daten as the whole file at pfad: a new file when neu (an existing one is an error,
// EEXIST), else the file is made or emptied first. A short write counts as a full disk.
// Returns errno, or 0 when every byte is written and the file is closed.
int schreibeDateiGanz(const QString& pfad, const QByteArray& daten, bool neu = false);
