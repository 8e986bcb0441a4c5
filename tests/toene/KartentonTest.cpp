#include "toene/Kartenton.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A card's sound lies beside it, named like it with ".ogg" (first) or ".opus" in any case, or it has none.
TEST(Kartenton, findsTheSoundBesideItsCard)
{
    QTemporaryDir ordner;
    for (const char* name : {"03b.ogg", "04a.OGG", "05a.opus", "06a.wav", "07a.opus", "07a.ogg"})
        ASSERT_TRUE(QFile(ordner.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
    for (const auto& [karte, ton] : {std::pair {"03b.jpg", "03b.ogg"}, {"04a.jpg", "04a.OGG"},
                                     {"05a.JPEG", "05a.opus"}, {"06a.jpg", ""}, {"07a.jpg", "07a.ogg"}})
        EXPECT_EQ(kartentonZu(ordner.filePath(QString::fromLatin1(karte))),
                  *ton ? ordner.filePath(QString::fromLatin1(ton)) : QString()) << karte;
    EXPECT_EQ(kartentonName(QStringLiteral("a.b/03b.jpg")), QStringLiteral("a.b/03b.ogg"));
}
