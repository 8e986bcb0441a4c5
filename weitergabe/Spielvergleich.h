#pragma once

#include <QString>

// Whether the folder `spiel` holds the same game as the folder `neu`: the
// same files the game reads (see liestDasSpiel), each byte for byte. Other
// files in either folder do not count; a link or special file under a game
// file's name makes them differ, and is never followed.
bool gleichesSpiel(const QString& spiel, const QString& neu);
