#include "board/Einstellungsvorlage.h"

#include <gtest/gtest.h>

namespace {

// A settings file with the user's own window size and group names.
QString eigen(int spalten, int zeilen, const Kartenformat& format = {}, int paare = 0,
              const std::optional<Vorlesesprachen>& vorlesen = {})
{
    return einstellungsTextMitBrett(spalten, zeilen, format, paare, vorlesen)
        .replace(QStringLiteral("\nmax\n"), QStringLiteral("\n800,600\n"))
        .replace(QStringLiteral("Team Sonne"), QStringLiteral("Rot"));
}

QString crlf(QString text) { return text.replace('\n', QStringLiteral("\r\n")); }

} // namespace

// An edited game's settings get the writer's values (2, 3, 7 and 12); every other line,
// comment and line end stays. Setting 12 is replaced, added right after setting 11 (where the
// reader looks for it, before any free text) or removed with its block; a file the game's
// reader refuses gives none.
TEST(Einstellungsvorlage, anOldFileKeepsAllButTheWritersValues)
{
    const Kartenformat quer{4, 3, true};
    const QString notiz = QStringLiteral("\n# Notiz der Lehrerin\nnicht löschen\n");
    const QString dezember = QStringLiteral("\n# 12. Dezember 2024\n7\n");
    const Vorlesesprachen deEn{QLocale::German, QLocale::English};
    const Vorlesesprachen trFr{QLocale::Turkish, QLocale::French};
    const QString dreizehn = dreizehnterBlock(deEn).join('\n') + '\n';
    const struct {
        const char* name;
        QString alt;
        int spalten, zeilen;
        Kartenformat format;
        int paare;
        std::optional<QString> erwartet;
        std::optional<Vorlesesprachen> vorlesen = {};
    } faelle[] = {
        {"board, format and crop", eigen(6, 5), 4, 4, quer, 0, eigen(4, 4, quer)},
        {"setting 12 added", eigen(6, 5), 8, 7, {}, 25, eigen(8, 7, {}, 25)},
        {"setting 12 replaced", eigen(8, 7, {}, 25), 8, 7, {}, 20, eigen(8, 7, {}, 20)},
        {"setting 12 removed", eigen(8, 7, {}, 25), 6, 5, {}, 0, eigen(6, 5) + '\n'},
        {"Windows line ends", crlf(eigen(6, 5)), 8, 7, {}, 25, crlf(eigen(8, 7, {}, 25))},
        {"free text after setting 11", eigen(6, 5) + notiz, 8, 7, {}, 25, eigen(8, 7, {}, 25) + notiz},
        {"no line end at the end", eigen(6, 5).chopped(1), 8, 7, {}, 25, eigen(8, 7, {}, 25)},
        {"setting 12 without a value", eigen(6, 5) + "\n# 12. Bildpaare je Runde", 8, 7, {}, 25,
         eigen(8, 7) + "\n# 12. Bildpaare je Runde\n25\n"},
        {"a note on the 12th is no setting 12", eigen(6, 5) + dezember, 6, 5, {}, 0, eigen(6, 5) + dezember},
        {"setting 13 added", eigen(6, 5), 6, 5, {}, 0, eigen(6, 5, {}, 0, deEn), deEn},
        {"setting 13 added after 12", eigen(8, 7, {}, 25), 8, 7, {}, 25, eigen(8, 7, {}, 25, deEn), deEn},
        {"12 added before 13", eigen(6, 5, {}, 0, deEn), 8, 7, {}, 25, eigen(8, 7, {}, 25, deEn), deEn},
        {"setting 13 replaced", eigen(8, 7, {}, 25, deEn), 8, 7, {}, 25, eigen(8, 7, {}, 25, trFr), trFr},
        {"12 removed, 13 kept", eigen(8, 7, {}, 25, deEn), 6, 5, {}, 0, eigen(6, 5) + "\n\n" + dreizehn, deEn},
        {"setting 13 removed", eigen(8, 7, {}, 25, deEn), 8, 7, {}, 25, eigen(8, 7, {}, 25) + '\n'},
        {"12 without a value before 13", eigen(6, 5) + "\n# 12. Bildpaare je Runde", 8, 7, {}, 25,
         eigen(8, 7) + "\n# 12. Bildpaare je Runde\n25\n\n" + dreizehn, deEn},
        {"not a settings file", QStringLiteral("Fenster\n"), 6, 5, {}, 0, std::nullopt},
        {"a setting the reader refuses", eigen(6, 5).replace("\n10,10\n", "\nzehn\n"), 6, 5, {}, 0, std::nullopt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::optional<QString> neu = einstellungsTextErsetzt(f.alt.toUtf8(), f.spalten, f.zeilen, f.format, f.paare, f.vorlesen);
        ASSERT_EQ(neu.has_value(), f.erwartet.has_value());
        if (neu) {
            EXPECT_EQ(neu->toStdString(), f.erwartet->toStdString());
        }
    }
}
