#include "toene/Tonaufbereitung.h"
#include "toene/Tonleser.h"
#include "toene/Tonschreiber.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <numeric>
#include <sys/stat.h>
#include <thread>

namespace {

// A 440 Hz tone of `amplitude` (of full scale) after `stille` seconds of silence.
Tonproben sinuston(int rate, double sekunden, double amplitude, double stille = 0)
{
    Tonproben ton {rate, std::vector<std::int16_t>(std::size_t((stille + sekunden) * rate))};
    for (auto i = std::size_t(stille * rate); i < ton.Proben.size(); ++i)
        ton.Proben[i] = std::int16_t(std::lround(32767 * amplitude * std::sin(2 * std::numbers::pi * 440 * i / rate)));
    return ton;
}

// That tone at half scale in the first channel, written by libsndfile; the
// other channels are silent. False when libsndfile cannot write `format`.
bool schreibeTondatei(const QString& pfad, int format, int rate, int kanaele, double sekunden)
{
    SF_INFO info {0, rate, kanaele, format, 0, 0};
    SNDFILE* datei = sf_open(QFile::encodeName(pfad).constData(), SFM_WRITE, &info);
    const Tonproben ton = sinuston(rate, sekunden, 0.5);
    std::vector<float> proben(ton.Proben.size() * std::size_t(kanaele));
    for (std::size_t i = 0; datei && i < ton.Proben.size(); ++i)
        proben[i * std::size_t(kanaele)] = ton.Proben[i] / 32767.0f;
    return datei && sf_writef_float(datei, proben.data(), sf_count_t(ton.Proben.size())) >= 0 && sf_close(datei) == 0;
}

} // namespace

// Every sound libsndfile knows is read as mono at its rate; what is no sound,
// damaged, absurd or far too long is refused with the reason, from a path and
// from memory alike; a folder or FIFO is refused without waiting.
TEST(Tonleser, readsSoundsMixedToMonoAndRefusesOthersWithTheReason)
{
    struct Zeile {
        const char* name;
        int format, rate, kanaele;
        double sekunden;
        const char* fehler = "";
        int behalten = 0; // bytes kept of the written file, 0 for all
    };
    const int Wav = SF_FORMAT_WAV | SF_FORMAT_PCM_16, Ogg = SF_FORMAT_OGG | SF_FORMAT_VORBIS, Text = -1,
              Ordner = -2, Fifo = -3;
    const Zeile tabelle[] = {
        {"stereo.wav", Wav, 44100, 2, 0.5},
        {"float.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 8000, 8, 0.2},
        {"ton.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 48000, 1, 0.5},
        {"ton.ogg", Ogg, 22050, 2, 1.0},
        {"ton.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, 1, 1.0},
        {"lang.wav", Wav, 8000, 1, 60.5, "ist länger als 60 Sekunden"},
        {"9kanaele.wav", Wav, 8000, 9, 0.1, "hat zu viele Kanäle"},
        {"4000hz.wav", Wav, 4000, 1, 0.1, "hat eine ungewöhnliche Abtastrate"},
        {"ohne.wav", Wav, 8000, 1, 0, "enthält keinen Ton"},
        {"kopf.wav", Wav, 8000, 1, 0.1, "ist beschädigt", 30},
        {"halb.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 8000, 1, 1.0, "ist beschädigt", 500},
        {"text.wav", Text, 0, 1, 0, "ist keine Tondatei"},
        {"leer.wav", Text, 0, 1, 0, "ist leer"},
        {"ordner.wav", Ordner, 0, 1, 0, "kann nicht gelesen werden"},
        {"fifo.wav", Fifo, 0, 1, 0, "kann nicht gelesen werden"},
        {"ton.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, 2, 1.0}, // last: a skip ends the table
    };
    QTemporaryDir ordner;
    for (const Zeile& z : tabelle) {
        SCOPED_TRACE(z.name);
        const QString pfad = ordner.filePath(QString::fromLatin1(z.name));
        if (z.format > 0 && !schreibeTondatei(pfad, z.format, z.rate, z.kanaele, z.sekunden))
            GTEST_SKIP() << "libsndfile cannot write " << z.name << " here: " << sf_strerror(nullptr);
        QFile datei(pfad);
        if (z.format == Text && datei.open(QIODevice::WriteOnly))
            datei.write(z.name[0] == 't' ? "Kein Ton.\n" : "");
        datei.close();
        ASSERT_TRUE(z.behalten == 0 || datei.resize(z.behalten));
        ASSERT_TRUE(z.format != Ordner || QDir().mkdir(pfad));
        ASSERT_TRUE(z.format != Fifo || ::mkfifo(QFile::encodeName(pfad).constData(), 0600) == 0);
        const Tonergebnis ton = leseTon(pfad);
        EXPECT_EQ(ton.Fehler, QString::fromUtf8(z.fehler));
        if (z.format == Ordner || z.format == Fifo || !datei.open(QIODevice::ReadOnly))
            continue;
        const Tonergebnis ausDaten = leseTonAusDaten(datei.readAll());
        EXPECT_EQ(ausDaten.Fehler, ton.Fehler);
        if (!ton)
            continue;
        EXPECT_EQ(ausDaten.Ton->Proben, ton.Ton->Proben);
        EXPECT_EQ(ton.Ton->Rate, z.rate);
        EXPECT_NEAR(ton.Ton->sekunden(), z.sekunden, 0.06); // lossy codecs add a little at the ends
        // Only the first channel sounds: the mix has its share.
        const auto [leiseste, lauteste] = std::minmax_element(ton.Ton->Proben.begin(), ton.Ton->Proben.end());
        EXPECT_NEAR(std::max(-*leiseste, int(*lauteste)), 32767 * 0.5 / z.kanaele, 32767 * 0.05 / z.kanaele);
    }
}

// Each refusal keeps its own reason while other threads are refused for another.
TEST(Tonleser, readsOnSeveralThreadsWithTheirOwnReasons)
{
    const auto lies = [](QByteArray daten, QString grund) {
        for (int i = 0; i < 20000; ++i)
            ASSERT_EQ(leseTonAusDaten(daten).Fehler, grund);
    };
    const std::jthread andere(lies, QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16), QString::fromUtf8("ist beschädigt"));
    lies(QByteArray("Kein Ton.\n"), QString::fromUtf8("ist keine Tondatei"));
}

// Silence is cut at both ends, a quiet and a loud sound end at one loudness
// and rate, the cut ends are faded, and too long or silent sounds are refused.
TEST(Tonaufbereitung, cutsSilenceEvensLoudnessAndRefusesLongOrSilentSounds)
{
    const struct {
        const char* name;
        int rate;
        double stille, sekunden, amplitude, erwartet; // kept: the tone and 10 + 30 ms around it
        const char* fehler = "";
    } tabelle[] = {
        {"silence before and after", 44100, 1.0, 1.0, 0.5, 1.04},
        {"quiet", 22050, 0.3, 2.0, 0.01, 2.04},
        {"loud, low rate, no silence", 16000, 0, 1.5, 0.95, 1.5},
        {"9 s", 48000, 0.5, 9.0, 0.5, 9.04},
        {"12 s", 8000, 0, 12.0, 0.5, 0, "ist länger als 10 Sekunden"},
        {"10.5 s after 5 s of silence", 8000, 5, 10.5, 0.5, 0, "ist länger als 10 Sekunden"},
        {"only silence", 22050, 2.0, 0, 0.5, 0, "enthält nur Stille"},
        {"only noise far below full scale", 22050, 0, 2.0, 0.0005, 0, "enthält nur Stille"},
    };
    for (const auto& z : tabelle) {
        SCOPED_TRACE(z.name);
        Tonproben ein = sinuston(z.rate, z.sekunden, z.amplitude, z.stille);
        ein.Proben.resize(ein.Proben.size() + std::size_t(z.stille * z.rate));
        const Tonergebnis aus = bereiteKartentonAuf(ein);
        EXPECT_EQ(aus.Fehler, QString::fromUtf8(z.fehler));
        if (!aus)
            continue;
        EXPECT_EQ(aus.Ton->Rate, Kartentonrate);
        EXPECT_NEAR(aus.Ton->sekunden(), z.erwartet, 0.005);
        const auto& p = aus.Ton->Proben;
        const double rms = std::sqrt(std::inner_product(p.begin(), p.end(), p.begin(), 0.0) / double(p.size()));
        EXPECT_NEAR(20 * std::log10(rms / 32767), ZielRms, 0.3);
        EXPECT_TRUE(p.front() == 0 && p.back() == 0) << "faded ends";
    }
}

// A card's sound written as Ogg Vorbis reads back as the same tone, nothing
// else is left in the folder, and the writer names why it cannot write.
TEST(Tonschreiber, oggVorbisKeepsLengthAndPitchAndNamesFaults)
{
    const QTemporaryDir ordner;
    const Tonproben ton = *bereiteKartentonAuf(sinuston(48000, 1.0, 0.5)).Ton;
    ASSERT_EQ(schreibeKartenton(ton, ordner.filePath(QStringLiteral("03b.ogg"))), QString());
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("03b.ogg")});
    const Tonergebnis gelesen = leseTon(ordner.filePath(QStringLiteral("03b.ogg")));
    ASSERT_EQ(gelesen.Fehler, QString());
    EXPECT_EQ(gelesen.Ton->Rate, Kartentonrate);
    EXPECT_NEAR(gelesen.Ton->sekunden(), ton.sekunden(), 0.01);
    const auto& p = gelesen.Ton->Proben;
    const int steigendeNulldurchgaenge = std::inner_product(p.begin(), p.end() - 1, p.begin() + 1, 0, std::plus<>(),
                                                            [](int a, int b) { return a < 0 && b >= 0; });
    EXPECT_NEAR(steigendeNulldurchgaenge / gelesen.Ton->sekunden(), 440, 5);
    EXPECT_EQ(schreibeKartenton(ton, ordner.filePath(QStringLiteral("fehlt/03b.ogg"))),
              QStringLiteral("Das gibt es nicht."));
    EXPECT_EQ(schreibeKartenton({}, ordner.filePath(QStringLiteral("leer.ogg"))), QString::fromUtf8("enthält keinen Ton"));
}
