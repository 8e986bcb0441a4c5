#include "board/Einstellungstext.h"
#include "board/Einstellungswerte.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

using namespace std::string_view_literals;

namespace {

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList alleZeilen(const QString& text)
{
    Zeilenleser leser(text);
    QStringList zeilen;
    while (!leser.amEnde())
        zeilen << leser.naechsteZeile().toString();
    return zeilen;
}

} // namespace

TEST(Zeilenleser, linesEndAtLfCrLfOrLoneCr)
{
    // LF, CR LF and a lone CR each end one line; a final line end opens no empty line.
    const struct {
        QString text;
        QStringList zeilen;
    } faelle[] = {
        {u""_qs, {}},
        {u"a"_qs, {u"a"_qs}},
        {u"a\n"_qs, {u"a"_qs}},
        {u"\n"_qs, {u""_qs}},
        {u"a\n\n"_qs, {u"a"_qs, u""_qs}},
        {u"a\r\nb"_qs, {u"a"_qs, u"b"_qs}},
        {u"a\r\nb\r\n"_qs, {u"a"_qs, u"b"_qs}},
        {u"a\rb\r"_qs, {u"a"_qs, u"b"_qs}},
        {u"a\r\r\nb"_qs, {u"a"_qs, u""_qs, u"b"_qs}},
        {u"a\n\rb"_qs, {u"a"_qs, u""_qs, u"b"_qs}},
        {u" a \t\n# b"_qs, {u" a \t"_qs, u"# b"_qs}},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(alleZeilen(fall.text), fall.zeilen) << "text: " << qPrintable(fall.text);
}

TEST(Einstellungstext, utf8IsReadAsUtf8AndAnythingElseAsWindows1252)
{
    // A BOM settles the encoding; else valid UTF-8 stays UTF-8 and other bytes are Windows-1252.
    const struct {
        QByteArray bytes;
        QString text;
    } faelle[] = {
        {bytes("J\xC3\xB6rg"), u"Jörg"_qs},
        {bytes("\xEF\xBB\xBFmax"), u"max"_qs},
        {bytes("J\xF6rg \x80 \x9F"), u"Jörg € Ÿ"_qs},
        {bytes("\xC3\xB6 \xF6"), u"Ã¶ ö"_qs},      // one bad byte makes the whole file Windows-1252
        {bytes("a\xC3"), u"aÃ"_qs},                 // a sequence cut off at the end is not UTF-8
        {bytes("\xEF\xBB\xBF\xF6"), u"\uFFFD"_qs}, // the byte order mark settles it
        {bytes("a\0b"sv), u"a\0b"_qs},
        {bytes("\xFF\xFEm\0\xE4\0x\0"sv), u"mäx"_qs},  // UTF-16 little endian with BOM
        {bytes("\xFE\xFF\0m\0\xE4\0x"sv), u"mäx"_qs},  // UTF-16 big endian with BOM
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(dekodiereEinstellungstext(fall.bytes), fall.text) << "bytes: " << fall.bytes.toHex().constData();
}

TEST(Einstellungswerte, trimmingRemovesEverythingUpToBlankAtBothEnds)
{
    // Trimming removes every character <= U+0020 at both ends, nothing inside, nothing above.
    EXPECT_EQ(ohneRandzeichen(u"\x01\t 1 2 \0\x1F"_qs), u"1 2"_qs);
    EXPECT_EQ(ohneRandzeichen(u"\u00A01\u00A0"_qs), u"\u00A01\u00A0"_qs);
    EXPECT_EQ(ohneRandzeichen(u"\x7F"_qs), u"\x7F"_qs);
    EXPECT_TRUE(ohneRandzeichen(u" \r\n"_qs).isEmpty());
}

TEST(Einstellungswerte, wholeNumbersAreSignedDecimalsWithin32Bits)
{
    // Optional sign and decimal digits only, within the 32-bit signed range.
    const struct {
        QString text;
        std::optional<int> zahl;
    } faelle[] = {
        {u"0"_qs, 0},
        {u"+17"_qs, 17},
        {u"-17"_qs, -17},
        {u"007"_qs, 7},
        {u"2147483647"_qs, 2147483647},
        {u"-2147483648"_qs, -2147483647 - 1},
        {u"2147483648"_qs, std::nullopt},
        {u"-2147483649"_qs, std::nullopt},
        {u"99999999999999999999999"_qs, std::nullopt},
        {u""_qs, std::nullopt},
        {u"-"_qs, std::nullopt},
        {u"+-1"_qs, std::nullopt},
        {u"1 2"_qs, std::nullopt},
        {u" 1"_qs, std::nullopt},
        {u"$10"_qs, std::nullopt},
        {u"0x10"_qs, std::nullopt},
        {u"1e3"_qs, std::nullopt},
        {u"1.0"_qs, std::nullopt},
        {u"\uFF15"_qs, std::nullopt}, // full-width five
        {u"\u0665"_qs, std::nullopt}, // Arabic-Indic five
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(ganzeZahl(fall.text), fall.zahl) << "text: " << qPrintable(fall.text);
}

TEST(Einstellungswerte, realNumbersUseTheLocaleOrTheCForm)
{
    // The locale's decimal separator, or the C locale's point where "." does not group
    // thousands; no group separators.
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    EXPECT_EQ(reelleZahl(u"400,5"_qs, deutsch), 400.5);
    EXPECT_EQ(reelleZahl(u"400.5"_qs, deutsch), std::nullopt);
    EXPECT_EQ(reelleZahl(u"1.500"_qs, deutsch), std::nullopt);
    EXPECT_EQ(reelleZahl(u" 400 "_qs, deutsch), 400.0);
    const QLocale franzoesisch(QLocale::French, QLocale::France);
    EXPECT_EQ(reelleZahl(u"400,5"_qs, franzoesisch), 400.5);
    EXPECT_EQ(reelleZahl(u"1.500"_qs, franzoesisch), 1.5);
    EXPECT_EQ(reelleZahl(u"1.500"_qs, QLocale(QLocale::English, QLocale::UnitedStates)), 1.5);
    EXPECT_EQ(reelleZahl(u"400,5"_qs, QLocale::c()), std::nullopt);
    EXPECT_EQ(reelleZahl(u"1,000"_qs, QLocale::c()), std::nullopt);
    EXPECT_EQ(reelleZahl(u"4 00"_qs, QLocale::c()), std::nullopt);
    EXPECT_EQ(reelleZahl(u""_qs, QLocale::c()), std::nullopt);
}
