#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// For each name whether another one is equal to it (ignoring blanks at the ends, repeated
// blanks and the case of letters). Empty names are never equal.
std::vector<bool> doppelteNamen(const QStringList& namen);

// Why a list of pairs with these names (mitNamen: the second card shows the name) cannot
// be written yet; empty when it can. zeile: the row to look at (-1 for none).
struct Namensfehler {
    QString Text;
    int Zeile = -1;
};
Namensfehler pruefeNamen(const QStringList& namen, bool mitNamen);
