#include "Sinuston.h"
#include "toene/Tonaufbereitung.h"
#include "toene/Tonleser.h"
#include "toene/Tonschreiber.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A card's sound written as Ogg Vorbis reads back as the same tone, and the
// writer names why it cannot write.
TEST(Tonschreiber, oggVorbisKeepsLengthAndPitchAndNamesFaults)
{
    QTemporaryDir ordner;
    const Tonergebnis ton = bereiteKartentonAuf(sinuston(48000, 1.0, 0.5));
    ASSERT_TRUE(ton) << ton.Fehler.toStdString();
    const QString ziel = ordner.filePath(QStringLiteral("03b.ogg"));
    ASSERT_EQ(schreibeKartenton(*ton.Ton, ziel), QString());
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("03b.ogg")});
    const Tonergebnis gelesen = leseTon(ziel);
    ASSERT_TRUE(gelesen) << gelesen.Fehler.toStdString();
    EXPECT_EQ(gelesen.Ton->Rate, Kartentonrate);
    EXPECT_NEAR(gelesen.Ton->sekunden(), ton.Ton->sekunden(), 0.01);
    // The pitch, from the rising zero crossings.
    int kreuzungen = 0;
    for (std::size_t i = 1; i < gelesen.Ton->Proben.size(); ++i)
        kreuzungen += gelesen.Ton->Proben[i - 1] < 0 && gelesen.Ton->Proben[i] >= 0;
    EXPECT_NEAR(kreuzungen / gelesen.Ton->sekunden(), 440, 5);

    EXPECT_EQ(schreibeKartenton(*ton.Ton, ordner.filePath(QStringLiteral("fehlt/03b.ogg"))),
              QStringLiteral("Das gibt es nicht."));
    EXPECT_EQ(schreibeKartenton(Tonproben {}, ziel), QString::fromUtf8("enthält keinen Ton"));
}
