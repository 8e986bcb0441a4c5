#pragma once

#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

// Bytes that all rendered pictures of the board keep for the whole game: per
// cell one picture of card size and one of the large-picture size, 4 bytes
// per pixel. Negative sizes count as empty.
std::int64_t bilderSpeicherbedarf(int zellen, QSize karte, QSize gross);

// The sizes, in pixels, of everything that grows with the settings. Sizes
// not known yet stay empty.
struct Brettmasse {
    QSize Fenster;     // the window's backing store, in device pixels (setting 1)
    QSize Hintergrund; // the board background
    QSize Muster;      // the card-back pattern (setting 2)
    QSize Karte;       // a card (settings 1 to 5)
    QSize Gross;       // a large picture (settings 1 and 2)
    int Zellen = 0;    // setting 3
    int Darsteller = 1; // renderings that may run at once, each with its own work bitmaps
};

// Bytes by what they are for, 4 per pixel, saturating instead of overflowing.
struct Speicherposten {
    std::int64_t Fenster = 0;      // backing store and board background
    std::int64_t Muster = 0;       // card-back pattern
    std::int64_t Kartenbilder = 0; // a card-size picture per cell, the card back's bitmaps
    std::int64_t GrosseBilder = 0; // a large picture per cell, the work bitmaps of a rendering
    std::int64_t summe() const;
};
Speicherposten speicherposten(const Brettmasse& m);

// Share of the available memory the pictures may take; the rest is left for
// the program, the decoder and the system.
inline constexpr int NutzbarerAnteilProzent = 80;

// Empty when everything fits into the usable share of the available memory
// (or that is unknown); otherwise the message for the user, which names the
// largest item and the settings that make it smaller.
QString pruefeArbeitsspeicher(const Brettmasse& m, std::optional<std::int64_t> verfuegbar);
