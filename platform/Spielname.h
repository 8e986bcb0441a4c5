#pragma once

#include <QString>

// The game name suggested for photos whose first one is at fotopfad: its folder's name.
QString spielnameFuer(const QString& fotopfad);

// Why name cannot be the name of a game folder; empty when it can.
QString spielnameFehler(const QString& name);
