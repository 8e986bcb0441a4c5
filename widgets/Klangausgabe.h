#pragma once

#include "play/Klangwahl.h"

// Where the game's sounds go; tests put a recorder here.
class Klangausgabe {
public:
    virtual ~Klangausgabe() = default;
    // Starts the sound and returns at once, without waiting for it to end.
    virtual void spiele(Klang klang) = 0;
};
