#pragma once

#include "play/Kartenklang.h"
#include "platform/Spieldateien.h"
#include "platform/Vorlaufpool.h"

#include <QString>
#include <QStringList>

#include <optional>

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
// stays silent. A deal without any sound file starts no thread and opens no
// file. Make, use and destroy on one thread.
class Kartentonvorlauf {
public:
    // namen: the cards' picture files in ordner, card k at index k.
    Kartentonvorlauf(const Spieldateien& ordner, const QStringList& namen);
    // Card k's sound; k = 0, 1, 2, ... each once, in this order. Waits for it.
    Kartenton hole(int k);

private:
    QStringList toene_; // card k's sound file, empty for none
    int genommen_ = 0;
    std::optional<Vorlaufpool<Kartenton>> pool_; // none without sounds
};
