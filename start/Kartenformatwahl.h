#pragma once

#include "board/Kartenformat.h"

#include <QStringList>

#include <optional>

// The new-game window's "Kartenformat" choice, without widgets.

// The entries of the choice, in their order.
enum class Formateintrag { Automatisch, Quer, Hoch, Quadratisch };

// "automatisch", "Querformat 4:3", "Hochformat 3:4", "quadratisch 1:1", in the entries' order.
QStringList formateintraege();

struct Formatwahl {
    Formateintrag Eintrag = Formateintrag::Automatisch;
    bool Zuschneiden = false; // "Fotos zuschneiden"; not asked with "automatisch"
    friend bool operator==(const Formatwahl&, const Formatwahl&) = default;
};

// The choice that shows a game's card format: the entry of the nearest proportions.
Formatwahl formatwahlFuer(const Kartenformat& format);

// What the writer is given for the choice: none with "automatisch" (it chooses from the
// photos), else the entry's proportions and the crop. While the choice is still the one
// shown for an edited game's format `spiel`, that format itself, which may be one the
// entries do not offer.
std::optional<Kartenformat> kartenformatFuer(const Formatwahl& wahl, const std::optional<Kartenformat>& spiel = {});
