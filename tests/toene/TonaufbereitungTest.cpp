#include "Sinuston.h"
#include "toene/Tonaufbereitung.h"

#include <gtest/gtest.h>

// Silence is cut at both ends, a quiet and a loud sound end at one loudness
// and rate, the cut ends are faded, and too long or silent sounds are refused.
TEST(Tonaufbereitung, cutsSilenceEvensLoudnessAndRefusesLongOrSilentSounds)
{
    struct Zeile {
        const char* name;
        int rate;
        double stille, sekunden, amplitude, erwartet;
        const char* fehler = "";
    };
    // Kept: the tone and 10 + 30 ms around it.
    const Zeile tabelle[] = {
        {"silence before and after", 44100, 1.0, 1.0, 0.5, 1.04},
        {"quiet", 22050, 0.3, 2.0, 0.01, 2.04},
        {"loud, low rate, no silence", 16000, 0, 1.5, 0.95, 1.5},
        {"9 s", 48000, 0.5, 9.0, 0.5, 9.04},
        {"12 s", 8000, 0, 12.0, 0.5, 0, "ist länger als 10 Sekunden"},
        {"10.5 s after 5 s of silence", 8000, 5, 10.5, 0.5, 0, "ist länger als 10 Sekunden"},
        {"only silence", 22050, 2.0, 0, 0.5, 0, "enthält nur Stille"},
        {"only noise far below full scale", 22050, 0, 2.0, 0.0005, 0, "enthält nur Stille"},
        {"nothing", 22050, 0, 0, 0, 0, "enthält keinen Ton"},
    };
    for (const Zeile& z : tabelle) {
        SCOPED_TRACE(z.name);
        Tonproben ein = sinuston(z.rate, z.sekunden, z.amplitude, z.stille);
        // Silence after the tone as long as before it.
        ein.Proben.resize(ein.Proben.size() + std::size_t(z.stille * z.rate));
        const Tonergebnis aus = bereiteKartentonAuf(ein);
        EXPECT_EQ(aus.Fehler, QString::fromUtf8(z.fehler));
        if (!aus)
            continue;
        EXPECT_EQ(aus.Ton->Rate, Kartentonrate);
        EXPECT_NEAR(aus.Ton->sekunden(), z.erwartet, 0.005);
        double quadrate = 0;
        for (const std::int16_t p : aus.Ton->Proben)
            quadrate += double(p) * p;
        EXPECT_NEAR(20 * std::log10(std::sqrt(quadrate / double(aus.Ton->Proben.size())) / 32767), ZielRms, 0.3);
        EXPECT_EQ(aus.Ton->Proben.front(), 0);
        EXPECT_EQ(aus.Ton->Proben.back(), 0);
    }
}
