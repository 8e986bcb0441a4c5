#pragma once

#include "play/Kartenklang.h"
#include "play/Klangwahl.h"

// Where the game's sounds go; tests put a recorder here.
class Klangausgabe {
public:
    virtual ~Klangausgabe() = default;
    // Gets ready to sound (connects to the sound server) without waiting for
    // it, so that the first sound is not late. Returns at once.
    virtual void bereiteVor() {}
    // Starts the sound and returns at once, without waiting for it to end.
    virtual void spiele(Klang klang) = 0;
    // A card's own sound, after the card sounds still playing or waiting
    // (see Kartentonfolge); returns at once.
    virtual void spieleKartenton(const Kartenklang& klang) = 0;
    // The card sounds playing and waiting end now.
    virtual void verstummeKartentoene() = 0;
};
