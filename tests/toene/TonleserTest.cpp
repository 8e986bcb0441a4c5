#include "Sinuston.h"
#include "toene/Tonleser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::int16_t spitze(const Tonproben& ton)
{
    int s = 0;
    for (const std::int16_t p : ton.Proben)
        s = std::max(s, std::abs(int(p)));
    return std::int16_t(s);
}

} // namespace

// Every sound libsndfile knows is read as mono at its rate; what is no sound,
// damaged, absurd or far too long is refused with the reason, from a path and
// from memory alike.
TEST(Tonleser, readsSoundsMixedToMonoAndRefusesOthersWithTheReason)
{
    enum Art { Ton, Text, Ordner, Fifo };
    struct Zeile {
        const char* name;
        Art art;
        int format = 0, rate = 0, kanaele = 1;
        double sekunden = 0;
        int behalten = 0; // bytes kept of the written file, 0 for all
        const char* fehler = "";
    };
    const Zeile tabelle[] = {
        {"wav16_stereo.wav", Ton, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, 0.5},
        {"float.wav", Ton, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 8000, 8, 0.2},
        {"ton.flac", Ton, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 48000, 1, 0.5},
        {"ton.ogg", Ton, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 22050, 2, 1.0},
        {"ton.opus", Ton, SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, 1, 1.0},
        {"zu_lang.wav", Ton, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 60.5, 0, "ist länger als 60 Sekunden"},
        {"zu_lang.ogg", Ton, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 8000, 1, 60.5, 0, "ist länger als 60 Sekunden"},
        {"neun_kanaele.wav", Ton, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 9, 0.1, 0, "hat zu viele Kanäle"},
        {"4000hz.wav", Ton, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 4000, 1, 0.1, 0, "hat eine ungewöhnliche Abtastrate"},
        {"ohne_proben.wav", Ton, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 0, 0, "enthält keinen Ton"},
        {"abgeschnitten.wav", Ton, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 0.1, 30, "ist beschädigt"},
        {"abgeschnitten.flac", Ton, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 8000, 1, 1.0, 500, "ist beschädigt"},
        {"text.wav", Text, 0, 0, 1, 0, 0, "ist keine Tondatei"},
        {"leer.wav", Text, 0, 0, 1, 0, 0, "ist leer"},
        {"ordner.wav", Ordner, 0, 0, 1, 0, 0, "kann nicht gelesen werden"},
        {"fifo.wav", Fifo, 0, 0, 1, 0, 0, "kann nicht gelesen werden"},
        // Last: the skip ends the table.
        {"ton.mp3", Ton, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, 2, 1.0},
    };
    QTemporaryDir ordner;
    for (const Zeile& z : tabelle) {
        SCOPED_TRACE(z.name);
        const QString pfad = ordner.filePath(QString::fromLatin1(z.name));
        if (z.art == Ton && !schreibeTondatei(pfad, z.format, z.rate, z.kanaele, z.sekunden))
            GTEST_SKIP() << "libsndfile cannot write " << z.name << " here: " << sf_strerror(nullptr);
        if (z.art == Text) {
            QFile f(pfad);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(z.name[0] == 't' ? "Kein Ton, nur ein Satz.\n" : "");
        }
        if (z.behalten > 0) {
            ASSERT_TRUE(QFile::resize(pfad, z.behalten));
        }
        if (z.art == Ordner) {
            ASSERT_TRUE(QDir().mkdir(pfad));
        }
        if (z.art == Fifo) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
        }

        const Tonergebnis ton = leseTon(pfad);
        EXPECT_EQ(ton.Fehler, QString::fromUtf8(z.fehler));
        if (z.art != Ton && z.art != Text)
            continue;
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const Tonergebnis ausDaten = leseTonAusDaten(f.readAll());
        EXPECT_EQ(ausDaten.Fehler, ton.Fehler);
        if (!ton)
            continue;
        EXPECT_EQ(ausDaten.Ton->Proben, ton.Ton->Proben);
        EXPECT_EQ(ton.Ton->Rate, z.rate);
        // Lossy codecs add a little at the ends.
        EXPECT_NEAR(ton.Ton->sekunden(), z.sekunden, 0.06);
        // Only the first channel sounds: the mix has its share.
        EXPECT_NEAR(spitze(*ton.Ton), 32767 * 0.5 / z.kanaele, 32767 * 0.05 / z.kanaele);
    }
}
