#pragma once

#include "toene/Ton.h"

#include <QString>

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <vector>

// A 440 Hz tone of `amplitude` (of full scale) after `stille` seconds of silence.
inline Tonproben sinuston(int rate, double sekunden, double amplitude, double stille = 0)
{
    Tonproben ton;
    ton.Rate = rate;
    for (int i = 0; i < int((stille + sekunden) * rate); ++i)
        ton.Proben.push_back(i < stille * rate ? 0 : std::int16_t(std::lround(
            32767 * amplitude * std::sin(2 * std::numbers::pi * 440 * i / rate))));
    return ton;
}

// Writes the tone with libsndfile in `format`; the first channel sounds, the
// others are silent. False when libsndfile cannot write that format.
inline bool schreibeTondatei(const QString& pfad, int format, int rate, int kanaele, double sekunden)
{
    SF_INFO info {0, rate, kanaele, format, 0, 0};
    SNDFILE* datei = sf_open(pfad.toLocal8Bit().constData(), SFM_WRITE, &info);
    if (!datei)
        return false;
    const Tonproben ton = sinuston(rate, sekunden, 0.5);
    std::vector<float> proben(ton.Proben.size() * std::size_t(kanaele));
    for (std::size_t i = 0; i < ton.Proben.size(); ++i)
        proben[i * std::size_t(kanaele)] = ton.Proben[i] / 32767.0f;
    sf_writef_float(datei, proben.data(), sf_count_t(ton.Proben.size()));
    return sf_close(datei) == 0;
}
