#pragma once

#include "board/Zellcode.h"
#include "play/Fokusbewegung.h"
#include "play/Zellenname.h"
#include "play/Zugschritt.h"

#include <array>
#include <optional>
#include <vector>

// The board as the players see it, kept by the steps of the move rules alone:
// for every cell whether its card lies covered, lies open or has been collected
// (or no card was dealt there), and each group's collected cards in the order
// they were laid down. Keyboard and screen reader read the game here, never
// from the widgets.
class Brettstand {
public:
    // A new deal: the first `karten` cells of the spalten x zeilen board in
    // reading order hold a covered card (every cell when karten < 0), the rest
    // are empty places; no group holds any. Also starts a game again.
    // 0 <= spalten, zeilen <= 100
    void neuesSpiel(int spalten, int zeilen, int karten = -1);

    // Carries out one step of the move rules; steps that move no card change nothing.
    void fuehreAus(const Zugschritt& schritt);
    void fuehreAus(const Zugschritte& schritte);

    int spalten() const { return spalten_; }
    int zeilen() const { return zeilen_; }
    // Kartenlage::Leer outside the board.
    Kartenlage lage(Zelle z) const;
    // The group's collected cards in the order they were laid down: the card
    // with number n in the group's panel is entry n. gruppe 0 or 1
    const std::vector<Zelle>& gesammelt(int gruppe) const { return gesammelt_[gruppe & 1]; }
    // Group and number of a collected card in its panel; none for a card on the board.
    std::optional<Sammelplatz> sammelplatz(Zelle z) const;
    // The cells that hold a card, the first in reading order.
    int karten() const { return karten_; }
    // Every card of a board that has cards is collected: the game is over.
    bool alleGesammelt() const;

private:
    bool aufBrett(Zelle z) const;
    int index(Zelle z) const { return z.Zeile * spalten_ + z.Spalte; }

    int spalten_ = 0;
    int zeilen_ = 0;
    int karten_ = 0;
    std::vector<Kartenlage> lagen_;
    std::vector<int> gruppen_; // the group that took the card, -1 while it lies on the board
    std::array<std::vector<Zelle>, 2> gesammelt_;
};
