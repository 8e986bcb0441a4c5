#include "neuesspiel/Paarlistendatei.h"

#include "Neuspielbilder.h"
#include "pictures/Testbilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// A folder of pictures for the lists: a.jpg, b.png, sub/c.jpg, "Oma Erna.jpg", d.HEIC, a JPEG
// without extension, a broken JPEG and HEIC and a folder.
struct Bilderordner {
    QTemporaryDir tmp;
    Bilderordner()
    {
        QDir(tmp.path()).mkpath("sub");
        QDir(tmp.path()).mkpath("laut.mp3");
        neuspielbilder::schreibe(tmp.filePath("a.jpg"), neuspielbilder::jpeg(Qt::red, 8, 6));
        neuspielbilder::schreibe(tmp.filePath("b.png"), neuspielbilder::pngHalbDurchsichtig(Qt::blue, 6, 8));
        neuspielbilder::schreibe(tmp.filePath("sub/c.jpg"), neuspielbilder::jpeg(Qt::green, 8, 6));
        neuspielbilder::schreibe(tmp.filePath("Oma Erna.jpg"), neuspielbilder::jpeg(Qt::gray, 8, 6));
        neuspielbilder::schreibe(tmp.filePath("ohne-endung"), neuspielbilder::jpeg(Qt::cyan, 8, 6));
        neuspielbilder::schreibe(tmp.filePath("kaputt.jpg"), "\xFF\xD8 kein Bild");
        neuspielbilder::schreibe(tmp.filePath("d.HEIC"), testbilder::heifBytes(testbilder::muster(8, 6)));
        neuspielbilder::schreibe(tmp.filePath("kaputt.heic"), "kein Bild");
        neuspielbilder::schreibe(tmp.filePath("bellen.wav"), "RIFF");
        neuspielbilder::schreibe(tmp.filePath("miau.ogg"), "OggS");
        QFile::link(tmp.filePath("a.jpg"), tmp.filePath("sub/a-verweis.jpg"));
        ::link(QFile::encodeName(tmp.filePath("a.jpg")).constData(), QFile::encodeName(tmp.filePath("a-hart.jpg")).constData());
    }
    QString pfad() const { return tmp.path(); }
};

// Each pair as "line,column:F(photo)", ":T(text)" or ":S(sound)", "+S(file)" for a card's sound;
// "=" for the card shown twice.
std::string beschreibe(const Paarangaben& paare, const QString& ordner)
{
    QStringList teile;
    for (const Paarangabe& paar : paare) {
        QStringList karten;
        for (const Kartenangabe* k : {&paar.Erste, &paar.Zweite}) {
            if (k->leer()) {
                karten += QStringLiteral("=");
                continue;
            }
            const auto ort = [](QString o) { return o.remove(QStringLiteral("Zeile ")).remove(QStringLiteral(" Spalte ")); };
            karten += ort(k->Herkunft) + ':' + (k->istFoto() ? "F(" + k->Anzeigename + ')' : k->istNurTon() ? "S(" + k->Anzeigename + ')' : "T(" + k->Text + ')')
                      + (k->Ton.isEmpty() || k->istNurTon() ? QString() : "+S(" + ort(k->TonHerkunft) + ':' + k->Tonanzeigename + ')');
            if (k->istFoto() || !k->Ton.isEmpty()) {
                EXPECT_EQ(k->istFoto() ? k->Foto : k->Ton, QDir::cleanPath(QDir(ordner).filePath(k->istFoto() ? k->Anzeigename : k->Tonanzeigename)));
            }
        }
        teile += karten.join(' ');
    }
    return teile.join(" | ").replace(ordner, "%O").toStdString();
}

} // namespace

// Separators, quotes, line breaks in fields, byte order mark, Windows line ends, paths and
// comments each give their pairs with the line and column of every card; every refusal names
// its line and column.
TEST(Paarlistendatei, everyListGivesItsPairsOrItsRefusals)
{
    const Bilderordner ordner;
    const struct {
        QByteArray inhalt; // %O: the folder of the pictures
        const char* paare;
        const char* meldung;
        Kopfzeile kopf = Kopfzeile::Raten;
        bool vermutet = false; // the first line looks like the columns' titles
        const char* sprachen = ""; // the languages the titles left out name, as codes
    } faelle[] = {
        {"a.jpg;Hund\n", "1,1:F(a.jpg) 1,2:T(Hund)", ""},
        {"Hund,dog\nKatze,cat", "1,1:T(Hund) 1,2:T(dog) | 2,1:T(Katze) 2,2:T(cat)", ""},
        {"a.jpg\tb.png\n", "1,1:F(a.jpg) 1,2:F(b.png)", ""},
        {"\"Müller, Anna\",Oma Erna.jpg\n", "1,1:T(Müller, Anna) 1,2:F(Oma Erna.jpg)", ""},
        {"\"Müller, Anna\";Oma Erna.jpg\n", "1,1:T(Müller, Anna) 1,2:F(Oma Erna.jpg)", ""},
        {"\"Hund; klein\"\tdog, small\n", "1,1:T(Hund; klein) 1,2:T(dog, small)", ""},
        {"Ab\u202Ec\u200F;\u2066dog\u2069\n", "1,1:T(Abc) 1,2:T(dog)", ""},
        {"# Vokabeln\nDeutsch;ENGLISCH\nHund;dog\n", "3,1:T(Hund) 3,2:T(dog)", "", Kopfzeile::Raten, true, "de,en"},
        {"Bild;Spanisch\na.jpg;perro\n", "2,1:F(a.jpg) 2,2:T(perro)", "", Kopfzeile::Raten, true, "de,es"},
        {"français;Türkisch\nchien;köpek\n", "2,1:T(chien) 2,2:T(köpek)", "", Kopfzeile::Ueberschrift, false, "fr,tr"},
        {"Erste Karte;Zweite Karte\nHund;dog\n", "2,1:T(Hund) 2,2:T(dog)", "", Kopfzeile::Raten, true},
        {"Wer?;Wie?\na.jpg;Oma\nOpa;b.png\n", "2,1:F(a.jpg) 2,2:T(Oma) | 3,1:T(Opa) 3,2:F(b.png)", "", Kopfzeile::Raten, true},
        {"Deutsch;Englisch\nHund;dog\n", "1,1:T(Deutsch) 1,2:T(Englisch) | 2,1:T(Hund) 2,2:T(dog)", "",
         Kopfzeile::Paar, true},
        {"Hund;dog\nKatze;cat\n", "2,1:T(Katze) 2,2:T(cat)", "", Kopfzeile::Ueberschrift},
        {"Frage;Hund\nKatze;cat\nWer?;a.jpg\n", "1,1:T(Frage) 1,2:T(Hund) | 2,1:T(Katze) 2,2:T(cat) | 3,1:T(Wer?) 3,2:F(a.jpg)", ""},
        {"\"Er sagt \"\"Hallo\"\"\";Gruß\n", "1,1:T(Er sagt \"Hallo\") 1,2:T(Gruß)", ""},
        {"\"Hauptstadt\nvon Frankreich?\";Paris\n3 + 4;7\n",
         "1,1:T(Hauptstadt\nvon Frankreich?) 1,2:T(Paris) | 3,1:T(3 + 4) 3,2:T(7)", ""},
        {"\xEF\xBB\xBF" "a.jpg;Oma\r\nb.png;Opa\r\n", "1,1:F(a.jpg) 1,2:T(Oma) | 2,1:F(b.png) 2,2:T(Opa)", ""},
        {"\"zwei\r\nZeilen\n\";x\r\n", "1,1:T(zwei\nZeilen) 1,2:T(x)", ""},
        {"#\rHund;dog\rKatze;cat", "2,1:T(Hund) 2,2:T(dog) | 3,1:T(Katze) 3,2:T(cat)", ""},
        {"5\" Diskette,\"Floppy, alt\"\n", "1,1:T(5\" Diskette) 1,2:T(Floppy, alt)", ""},
        {"sub/c.jpg;%O/a.jpg\n", "1,1:F(sub/c.jpg) 1,2:F(%O/a.jpg)", ""},
        {"# Kommentar; mit, Trennern\n\n  \na.jpg\n;;\n#x\nHund;dog\n", "4,1:F(a.jpg) = | 7,1:T(Hund) 7,2:T(dog)", ""},
        {"\"a\n# kein Kommentar\";b\nc;d\n", "1,1:T(a\n# kein Kommentar) 1,2:T(b) | 3,1:T(c) 3,2:T(d)", ""},
        {"ohne-endung;sub;;\na.jpg;a.jpg\n", "1,1:F(ohne-endung) 1,2:T(sub) | 2,1:F(a.jpg) 2,2:F(a.jpg)", ""},
        {"A.JPG;x\n", "", "Zeile 1, Spalte 1: Das Foto „A.JPG“ gibt es nicht."},
        {"kaputt.jpg;x\n", "", "Zeile 1, Spalte 1: „kaputt.jpg“ ist kein lesbares Bild."},
        {"d.HEIC;x\n", "1,1:F(d.HEIC) 1,2:T(x)", ""},
        {"x;kaputt.heic\n", "", "Zeile 1, Spalte 2: „kaputt.heic“ ist kein lesbares Bild."},
        {"x;fehlt.Avif\n", "", "Zeile 1, Spalte 2: Das Foto „fehlt.Avif“ gibt es nicht."},
        {"Hund;dog\nKatze;cat\n hund ;Wau\n", "", "Zeile 3, Spalte 1: Den Text „hund“ gibt es schon in Zeile 1, Spalte 1."},
        {"a.jpg;b.png;c\n", "", "Zeile 1, Spalte 3: In der dritten Spalte steht nur ein Ton (wav, flac, ogg, oga, opus, mp3), mit „1:“ davor für die erste Karte."},
        {"a.jpg;b.png;bellen.wav;x\n", "", "Zeile 1, Spalte 4: Eine Zeile hat nur drei Spalten: die erste und die zweite Karte und einen Ton."},
        {"bellen.wav;Hund\nmiau.ogg\n", "1,1:S(bellen.wav) 1,2:T(Hund) | 2,1:S(miau.ogg) =", ""},
        {"a.jpg;Hund;bellen.wav\nb.png;Katze;1: miau.ogg\nsub/c.jpg;;2:bellen.wav\n",
         "1,1:F(a.jpg) 1,2:T(Hund)+S(1,3:bellen.wav) | 2,1:F(b.png)+S(2,3:miau.ogg) 2,2:T(Katze) | 3,1:F(sub/c.jpg)+S(3,3:bellen.wav) =", ""},
        {"Hund;miau.OGG\n", "", "Zeile 1, Spalte 2: Den Ton „miau.OGG“ gibt es nicht."},
        {"Hund;Wau;laut.mp3\n", "", "Zeile 1, Spalte 3: „laut.mp3“ ist keine Tondatei."},
        {"Hund;bellen.wav;1:miau.ogg\nKatze;miau.ogg;miau.ogg\n", "", "Zeile 2, Spalte 3: Die Karte ist schon ein Ton."},
        {"bellen.wav;Hund\nKatze;sub/../bellen.wav\nmiau.ogg;miau.ogg\n", "",
         "Zeile 2, Spalte 2: Der Ton „sub/../bellen.wav“ steht schon in Zeile 1, Spalte 1."},
        {"a.jpg;Oma\nsub/../a.jpg;Opa\n", "",
         "Zeile 2, Spalte 1: Das Foto „sub/../a.jpg“ steht schon in Zeile 1, Spalte 1."},
        {"sub/a-verweis.jpg;Oma\nx;a-hart.jpg\n", "", "Zeile 2, Spalte 2: Das Foto „a-hart.jpg“ steht schon in Zeile 1, Spalte 1."},
        {";Hund\n", "", "Zeile 1, Spalte 1: Die erste Karte fehlt."},
        {"\xC2\xA0;Hund\n", "", "Zeile 1, Spalte 1: Die erste Karte fehlt."},
        {"Hund;\x01\x02\n", "", "Zeile 1, Spalte 2: Die zweite Karte fehlt; allein stehen darf nur ein Foto, das dann zweimal gezeigt wird."},
        {"\"Hund\nWau\";x\n\"hund\r\nwau\";y\n", "",
         "Zeile 3, Spalte 1: Den Text „hund wau“ gibt es schon in Zeile 1, Spalte 1."},
        {"Hund\n", "",
         "Zeile 1, Spalte 2: Die zweite Karte fehlt; allein stehen darf nur ein Foto, das dann zweimal gezeigt wird."},
        {"Stra\xDF" "e;street\n", "",
         "Zeile 1, Spalte 1: Der Text ist kein UTF-8; bitte die Liste als UTF-8-Text speichern."},
        {"Hund;Wau\xE2\x82\n", "",
         "Zeile 1, Spalte 2: Der Text ist kein UTF-8; bitte die Liste als UTF-8-Text speichern."},
        {"a.jpg;b.png\nc;\"offen\n", "", "Zeile 2, Spalte 2: Ein Anführungszeichen wird nicht geschlossen."},
        {"# nur ein Kommentar\n\n", "", "Die Liste enthält kein Paar."},
        {"fehlt.jpg;x\n;y\na.jpg;b.png\n", "",
         "Zeile 1, Spalte 1: Das Foto „fehlt.jpg“ gibt es nicht.\nZeile 2, Spalte 1: Die erste Karte fehlt."},
    };
    for (const auto& f : faelle) {
        const QByteArray inhalt = QByteArray(f.inhalt).replace("%O", ordner.pfad().toUtf8());
        SCOPED_TRACE(inhalt.toStdString());
        const Listenergebnis e = lesePaarlistentext(inhalt, ordner.pfad(), f.kopf);
        EXPECT_EQ(beschreibe(e.Paare, ordner.pfad()), f.paare);
        EXPECT_EQ(e.Meldung.toStdString(), f.meldung);
        EXPECT_EQ(e.UeberschriftVermutet, f.vermutet);
        EXPECT_EQ(e.Sprachen ? (QLocale::languageToCode(e.Sprachen->Erste) + ','
                                + QLocale::languageToCode(e.Sprachen->Zweite)).toStdString()
                             : std::string(),
                  f.sprachen);
    }
}

// A list file is read relative to its own folder; a missing, too large or non-regular file is
// refused with its name.
TEST(Paarlistendatei, theFileIsReadFromItsFolderOrRefused)
{
    const Bilderordner ordner;
    const QString liste = ordner.tmp.filePath("sub/liste.csv");
    neuspielbilder::schreibe(liste, "c.jpg;Gras\n");
    const QString gross = ordner.tmp.filePath("gross.csv");
    QFile datei(gross);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.resize(GroesstePaarliste + 1));
    datei.close();
    const struct {
        QString pfad;
        const char* paare;
        QString meldung;
    } faelle[] = {
        {liste, "1,1:F(c.jpg) 1,2:T(Gras)", ""},
        {ordner.tmp.filePath("fehlt.csv"), "", "Die Liste „" + ordner.tmp.filePath("fehlt.csv") + "“ gibt es nicht."},
        {ordner.tmp.filePath("sub"), "",
         "„" + ordner.tmp.filePath("sub") + "“ ist keine Datei; die Liste der Paare muss eine Textdatei sein."},
        {gross, "", "Die Liste „" + gross + "“ ist zu groß (mehr als 1 MB); eine Liste von Paaren ist viel kleiner."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.pfad.toStdString());
        const Listenergebnis e = lesePaarliste(f.pfad);
        EXPECT_EQ(beschreibe(e.Paare, ordner.tmp.filePath("sub")), f.paare);
        EXPECT_EQ(e.Meldung, f.meldung);
    }
}
