#pragma once

#include <QImage>
#include <QRect>

#include <cstddef>
#include <cstdint>
#include <memory>

// A work bitmap in Format_RGB32 over a buffer that only grows: once it has
// held a size, that size and every smaller one cost no allocation.
class Arbeitsbitmap {
public:
    Arbeitsbitmap() = default;
    Arbeitsbitmap(const Arbeitsbitmap&) = delete;
    Arbeitsbitmap& operator=(const Arbeitsbitmap&) = delete;

    int Width() const { return breite_; }
    int Height() const { return hoehe_; }

    // w, h >= 0. Old pixels stay at the top left, new area becomes white.
    void setzeGroesse(int w, int h);
    void setzeHoehe(int h) { setzeGroesse(breite_, h); }
    void setzeBreite(int w) { setzeGroesse(w, hoehe_); }

    // w, h >= 0. Content is undefined afterwards: for writers of every pixel.
    void belegeNeu(int w, int h);

    // 0 <= y < Height().
    std::uint32_t* zeile(int y) { return puffer_.get() + std::size_t(y) * std::size_t(breite_); }
    const std::uint32_t* zeile(int y) const
    {
        return puffer_.get() + std::size_t(y) * std::size_t(breite_);
    }
    qsizetype bytesProZeile() const { return qsizetype(breite_) * 4; }

    // Read-only view of a rectangle inside the bitmap; valid until the next
    // resize. Writing to it detaches into a copy instead of changing us.
    QImage ansicht(const QRect& r) const;
    QImage ansicht() const { return ansicht(QRect(0, 0, breite_, hoehe_)); }
    // A copy that owns its pixels and stays valid after we are reused.
    QImage kopie() const { return ansicht().copy(); }

    // Takes over img's pixels (alpha ignored), reusing the buffer.
    void uebernimm(const QImage& img);

    // Pixels the buffer can hold without a new allocation.
    std::size_t kapazitaet() const { return kapazitaet_; }

private:
    void sichereKapazitaet(std::size_t pixel);

    std::unique_ptr<std::uint32_t[]> puffer_;
    std::size_t kapazitaet_ = 0;
    int breite_ = 0;
    int hoehe_ = 0;
};
