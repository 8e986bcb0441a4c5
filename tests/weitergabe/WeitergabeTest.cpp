#include "weitergabe/Weitergabe.h"

#include "board/Einstellungsvorlage.h"
#include "pictures/Testbilder.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <zip.h>

using namespace testbilder;

namespace {

QByteArray eintrag(zip_t* archiv, const char* name, zip_uint16_t* methode)
{
    zip_stat_t st;
    if (zip_stat(archiv, name, 0, &st) != 0)
        return "fehlt";
    *methode = st.comp_method;
    QByteArray daten(qsizetype(st.size), '\0');
    zip_file_t* datei = zip_fopen(archiv, name, 0);
    zip_fread(datei, daten.data(), st.size);
    zip_fclose(datei);
    return daten;
}

} // namespace

// The archive holds one folder NAME/ with the settings byte for byte, the card back and the
// cards the game finds (a large photo reduced, the rest unchanged, JPEGs stored), nothing else;
// a cancel leaves no file, and the hidden files of a killed run are removed.
TEST(Weitergabe, theGameGoesIntoOneFolderOfAZipAndACancelLeavesNothing)
{
    QTemporaryDir tmp;
    const QString spiel = tmp.filePath(QStringLiteral("Familie")), ziele = tmp.filePath(QStringLiteral("ziele"));
    QDir().mkpath(spiel);
    QDir().mkpath(ziele);
    const QByteArray ini = einstellungsTextMitBrett(2, 2).toUtf8() + "# eigene Notiz\n";
    QImage foto(4000, 3000, QImage::Format_RGB32);
    foto.fill(Qt::darkGreen);
    const QByteArray gross = jpegBytes(foto), klein = jpegBytes(muster(300, 200));
    const QList<std::pair<QString, QByteArray>> dateien = {
        {"Paarlix.ini", ini}, {"Kartentext.bmp", bmp24(muster(80, 60))}, {"01a.jpg", gross},
        {"01b.jpg", klein},   {"02A.JPEG", klein},                       {"02b.jpg", klein},
        {"01b.ogg", "OggS"},  {"notiz.txt", "x"}};
    for (const auto& [name, daten] : dateien)
        schreibe(spiel + '/' + name, daten);

    const QString ziel = ziele + QStringLiteral("/Familie.paarlix");
    schreibe(ziele + QStringLiteral("/.Familie.paarlix.rest"), "halb"); // a killed run's
    int abfragen = 0;
    Weitergabeauftrag auftrag{spiel, ziel, false, [&] { return ++abfragen > 3; }};
    EXPECT_EQ(gibSpielWeiter(auftrag).Art, Weitergabeergebnis::Ausgang::Abgebrochen);
    EXPECT_EQ(QDir(ziele).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());

    auftrag.Abgebrochen = {};
    int gemeldet = 0;
    auftrag.Fortschritt = [&](int erledigt, int gesamt) { gemeldet = gesamt == 7 ? erledigt : -1; };
    const Weitergabeergebnis e = gibSpielWeiter(auftrag);
    ASSERT_EQ(e.Art, Weitergabeergebnis::Ausgang::Geschrieben) << e.Meldung.toStdString();
    EXPECT_EQ(gemeldet, 7);
    EXPECT_EQ(e.Zusammenfassung, "Familie.paarlix, " + weitergabeGroesse(QFileInfo(ziel).size()) + ", 2 Paare");
    EXPECT_EQ(weitergabeGroesse(14'249'999), "14,2 MB");
    EXPECT_EQ(weitergabeDateiname(spiel + '/'), "Familie.paarlix");
    EXPECT_EQ(QDir(ziele).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"Familie.paarlix"});

    zip_t* archiv = zip_open(QFile::encodeName(ziel).constData(), ZIP_RDONLY, nullptr);
    ASSERT_TRUE(archiv);
    QStringList namen;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archiv, 0); ++i)
        namen += QString::fromUtf8(zip_get_name(archiv, zip_uint64_t(i), 0));
    EXPECT_EQ(namen, QStringList({"Familie/", "Familie/Paarlix.ini", "Familie/Kartentext.bmp", "Familie/01a.jpg",
                                  "Familie/01b.jpg", "Familie/01b.ogg", "Familie/02A.JPEG", "Familie/02b.jpg"}));
    zip_uint32_t ordnerart = 0, dateiart = 0; // unzip keeps these modes: not writable by everyone
    zip_file_get_external_attributes(archiv, 0, 0, nullptr, &ordnerart);
    zip_file_get_external_attributes(archiv, 3, 0, nullptr, &dateiart);
    EXPECT_EQ(std::pair(ordnerart >> 16, dateiart >> 16), std::pair(040755u, 0100644u));
    zip_uint16_t methode = 99;
    EXPECT_EQ(eintrag(archiv, "Familie/Paarlix.ini", &methode), ini);
    EXPECT_EQ(QImage::fromData(eintrag(archiv, "Familie/01a.jpg", &methode)).size(), QSize(2048, 1536));
    EXPECT_EQ(methode, ZIP_CM_STORE);
    EXPECT_EQ(eintrag(archiv, "Familie/02A.JPEG", &methode), klein);
    EXPECT_EQ(methode, ZIP_CM_STORE);
    zip_discard(archiv);

    // Kept as it was with Original; a game missing a card is refused, naming it.
    auftrag.Original = true;
    gibSpielWeiter(auftrag);
    archiv = zip_open(QFile::encodeName(ziel).constData(), ZIP_RDONLY, nullptr);
    EXPECT_EQ(eintrag(archiv, "Familie/01a.jpg", &methode), gross);
    zip_discard(archiv);
    QFile::remove(spiel + QStringLiteral("/02b.jpg"));
    EXPECT_TRUE(gibSpielWeiter(auftrag).Meldung.contains(QStringLiteral("02b.jpg")));
}
