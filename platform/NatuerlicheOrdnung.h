#pragma once

#include <QString>

// The order a file manager shows names in: numbers by value ("Bild 9" before "Bild 10"),
// letters ignoring their case.
bool natuerlichVor(const QString& a, const QString& b);
