#include "toene/Kartenton.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A card's sound lies beside it with the card's name and ".ogg" or ".opus" in
// any case; a card without one has none.
TEST(Kartenton, findsTheSoundBesideItsCard)
{
    QTemporaryDir ordner;
    for (const char* name : {"03b.jpg", "03b.ogg", "04a.jpg", "04a.OGG", "05a.JPEG", "05a.opus", "06a.jpg",
                             "06a.wav", "07a.jpg", "07a.opus", "07a.ogg"}) {
        QFile f(ordner.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const struct {
        const char* karte;
        const char* ton;
    } tabelle[] = {{"03b.jpg", "03b.ogg"}, {"04a.jpg", "04a.OGG"}, {"05a.JPEG", "05a.opus"}, {"06a.jpg", nullptr},
                   {"07a.jpg", "07a.ogg"}, {"08a.jpg", nullptr}};
    for (const auto& z : tabelle) {
        const QString karte = ordner.filePath(QString::fromLatin1(z.karte));
        EXPECT_EQ(kartentonZu(karte), z.ton ? ordner.filePath(QString::fromLatin1(z.ton)) : QString()) << z.karte;
    }
    EXPECT_EQ(kartentonName(QStringLiteral("a.b/03b.jpg")), QStringLiteral("a.b/03b.ogg"));
    EXPECT_EQ(kartentonName(QStringLiteral("a.b/03b")), QStringLiteral("a.b/03b.ogg"));
}
