#include "pictures/Arbeitsbitmap.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t weiss = 0xFFFFFFFFu;

} // namespace

void Arbeitsbitmap::sichereKapazitaet(std::size_t pixel)
{
    if (pixel <= kapazitaet_)
        return;
    puffer_ = std::make_unique_for_overwrite<std::uint32_t[]>(pixel);
    kapazitaet_ = pixel;
}

void Arbeitsbitmap::belegeNeu(int w, int h)
{
    w = std::max(w, 0);
    h = std::max(h, 0);
    sichereKapazitaet(std::size_t(w) * std::size_t(h));
    breite_ = w;
    hoehe_ = h;
}

void Arbeitsbitmap::setzeGroesse(int w, int h)
{
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (w == breite_ && h == hoehe_)
        return;

    const int alteBreite = breite_;
    const int behalteneZeilen = std::min(hoehe_, h);
    const int behalteneSpalten = std::min(breite_, w);
    const std::size_t noetig = std::size_t(w) * std::size_t(h);

    if (noetig > kapazitaet_) {
        auto neu = std::make_unique_for_overwrite<std::uint32_t[]>(noetig);
        for (int y = 0; behalteneSpalten > 0 && y < behalteneZeilen; ++y)
            std::memcpy(neu.get() + std::size_t(y) * w, puffer_.get() + std::size_t(y) * alteBreite,
                        std::size_t(behalteneSpalten) * 4);
        puffer_ = std::move(neu);
        kapazitaet_ = noetig;
    } else if (w > alteBreite) {
        // Rows move towards the end: go from the bottom so no row is
        // overwritten before it has moved.
        for (int y = behalteneZeilen - 1; y >= 0; --y)
            std::memmove(puffer_.get() + std::size_t(y) * w, puffer_.get() + std::size_t(y) * alteBreite,
                         std::size_t(alteBreite) * 4);
    } else if (w < alteBreite) {
        for (int y = 0; y < behalteneZeilen; ++y)
            std::memmove(puffer_.get() + std::size_t(y) * w, puffer_.get() + std::size_t(y) * alteBreite,
                         std::size_t(w) * 4);
    }

    breite_ = w;
    hoehe_ = h;
    for (int y = 0; y < behalteneZeilen; ++y)
        std::fill(zeile(y) + behalteneSpalten, zeile(y) + w, weiss);
    for (int y = behalteneZeilen; y < h; ++y)
        std::fill(zeile(y), zeile(y) + w, weiss);
}

QImage Arbeitsbitmap::ansicht(const QRect& r) const
{
    const QRect teil = r.intersected(QRect(0, 0, breite_, hoehe_));
    if (teil.isEmpty())
        return QImage();
    const auto* start = reinterpret_cast<const uchar*>(zeile(teil.top()) + teil.left());
    return QImage(start, teil.width(), teil.height(), bytesProZeile(), QImage::Format_RGB32);
}

void Arbeitsbitmap::uebernimm(const QImage& img)
{
    const QImage quelle = (img.format() == QImage::Format_RGB32 || img.format() == QImage::Format_ARGB32)
        ? img
        : img.convertToFormat(QImage::Format_RGB32);
    belegeNeu(quelle.width(), quelle.height());
    for (int y = 0; y < hoehe_; ++y) {
        const auto* von = reinterpret_cast<const std::uint32_t*>(quelle.constScanLine(y));
        std::uint32_t* nach = zeile(y);
        // A bitmap copy ignores alpha: the colour channels are taken as they are.
        for (int x = 0; x < breite_; ++x)
            nach[x] = von[x] | 0xFF000000u;
    }
}
