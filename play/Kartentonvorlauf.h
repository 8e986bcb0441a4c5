#pragma once

#include "play/Kartenklang.h"
#include "platform/Vorlaufpool.h"

#include <QString>
#include <QStringList>

// A dealt card's sound, when it has one: ready for the stream, and the sound
// file's name without its ending ("03b") for the screen reader.
struct Kartenton {
    Kartenklang Klang;
    QString Name;
    explicit operator bool() const { return Klang != nullptr; }
};

// The dealt cards' sounds, read beside their pictures and made ready for the
// stream on a thread of its own while the pictures are dealt: once a deal,
// never at a click. A card without a sound, or whose sound cannot be read,
// stays silent. Make, use and destroy on one thread.
class Kartentonvorlauf {
public:
    // pfade: the cards' picture files, card k at index k.
    explicit Kartentonvorlauf(const QStringList& pfade);
    // Card k's sound; k = 0, 1, 2, ... each once, in this order. Waits for it.
    Kartenton hole(int k);

private:
    Vorlaufpool<Kartenton> pool_;
};
