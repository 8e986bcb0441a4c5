#include "platform/Dateiname.h"
#include "platform/Systemfehler.h"

#include <gtest/gtest.h>

#include <cerrno>

// The errors a user meets when writing a game are German sentences; any other keeps its number.
TEST(Systemfehler, commonErrorsAreGermanSentences)
{
    const std::pair<int, const char*> faelle[] = {
        {ENOSPC, "Auf dem Datenträger ist kein Platz mehr."},
        {EACCES, "Dafür fehlen die Zugriffsrechte."},
        {EPERM, "Dafür fehlen die Zugriffsrechte."},
        {EROFS, "Der Datenträger ist schreibgeschützt."},
        {ENOENT, "Das gibt es nicht."},
        {ELOOP, "Die symbolischen Verknüpfungen bilden eine Schleife."},
        {ENOTDIR, "Ein Teil des Pfades ist kein Ordner."},
        {EFBIG, "Die Datei wird zu groß für den Datenträger."},
    };
    for (const auto& [nummer, text] : faelle)
        EXPECT_EQ(systemfehlerText(nummer).toStdString(), text) << nummer;
    EXPECT_TRUE(systemfehlerText(EXDEV).startsWith(QStringLiteral("Systemfehler %1 (").arg(EXDEV)));
}

// File names are printed readably: broken UTF-8 bytes as Latin-1, control characters as escapes.
TEST(Dateiname, namesArePrintedReadablyAndSafely)
{
    EXPECT_EQ(lesbarerDateiname("Ren\xC3\xA9" "e.jpg"), QStringLiteral("Renée.jpg"));
    EXPECT_EQ(lesbarerDateiname("Ren\xE9" "e.jpg"), QStringLiteral("Renée.jpg"));
    EXPECT_EQ(lesbarerDateiname("\xC3\xA4\xE4\xF0\x9F\x98\x80"), QStringLiteral("ää😀"));
    EXPECT_EQ(sichtbar(QStringLiteral("a\x1B[2Jb\nc\x7F")), QStringLiteral("a\\x1B[2Jb\\x0Ac\\x7F"));
    EXPECT_EQ(sichtbar(QStringLiteral("gpj.\u202Eexe")), QStringLiteral("gpj.\\u202Eexe"));
    EXPECT_EQ(sichtbar(QStringLiteral("Oma Erna – 1.jpg")), QStringLiteral("Oma Erna – 1.jpg"));
}
