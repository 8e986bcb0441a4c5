#include "start/NeuesSpielFenster.h"

#include "board/Einstellungsleser.h"
#include "neuesspiel/Paarliste.h"
#include "neuesspiel/Spielschreiber.h"
#include "platform/Nutzerkonfiguration.h"
#include "start/Paarlistenmodell.h"
#include "support/Farben.h"
#include "support/MeldungsRecorder.h"
#include "support/Testfenster.h"
#include "widgets/TImage.h"

#include "../neuesspiel/Neuspielbilder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <utility>

using namespace neuspielbilder;

namespace {

// The window on a 1366 x 768 screen, its games folder and config in a temporary folder.
struct Aufbau {
    Aufbau()
    {
        Nutzerkonfiguration vorher(tmp.filePath("paarlix.conf"));
        vorher.setzeWert(SpieleordnerSchluessel, tmp.filePath("Spiele"));
        EXPECT_TRUE(vorher.speichere());
        konfiguration = std::make_unique<Nutzerkonfiguration>(tmp.filePath("paarlix.conf"));
        fenster = std::make_unique<NeuesSpielFenster>(*konfiguration, meldungen);
        fenster->setzeBildschirm(QSize(1366, 768));
        fenster->show();
        fenster->activateWindow();
        aktiv = QTest::qWaitForWindowActive(fenster.get());
    }
    QString foto(const QString& name, const QByteArray& daten)
    {
        const QString pfad = tmp.filePath(name);
        QDir().mkpath(QFileInfo(pfad).absolutePath());
        schreibe(pfad, daten);
        return pfad;
    }
    bool gelesen() const
    {
        // Every thumbnail there, and the board computed for them.
        const auto fertig = [this] {
            return QTest::qWaitFor([this] {
                return fenster->offeneVorschauen() == 0
                       && !fenster->Brett->text().startsWith("Spielfeld wird berechnet");
            }, 10000);
        };
        // The window's own update after the last thumbnail may ask for the board once more
        // (the text shown until then is the board of fewer photos): wait for that answer too.
        const bool da = fertig();
        QApplication::processEvents();
        const bool berechnet = da && fertig();
        QApplication::processEvents();
        return berechnet;
    }
    // Drops onto the window's middle, or onto the point wo of the window.
    void lassFallen(const QStringList& pfade, std::optional<QPoint> wo = std::nullopt)
    {
        QMimeData daten;
        QList<QUrl> urls;
        for (const QString& p : pfade)
            urls += QUrl::fromLocalFile(p);
        daten.setUrls(urls);
        const QPointF mitte = wo ? QPointF(*wo) : QRectF(fenster->rect()).center();
        QDragEnterEvent hinein(mitte.toPoint(), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fenster.get(), &hinein);
        ASSERT_TRUE(hinein.isAccepted());
        QDropEvent fallen(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fenster.get(), &fallen);
    }
    // Types a name into a row as a person does: F2 on the row, the text, Enter.
    void tippe(int zeile, const QString& name)
    {
        QTableView* liste = fenster->Liste;
        liste->setFocus();
        liste->setCurrentIndex(fenster->Modell->index(zeile, Paarlistenmodell::SpalteName));
        QTest::keyClick(liste, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_TRUE(qobject_cast<QLineEdit*>(editor) && liste->isAncestorOf(editor)) << "the name is being edited";
        qobject_cast<QLineEdit*>(editor)->selectAll();
        QTest::keyClicks(editor, name);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits the text once the key has been handled.
        QApplication::processEvents();
    }
    // "Spiel anlegen", the write awaited, then "Spiel starten": the folder announced, empty
    // when the game was not written or announced once.
    QString schreibeUndStarte()
    {
        QSignalSpy angelegt(fenster.get(), &NeuesSpielFenster::spielAngelegt);
        QTest::mouseClick(fenster->AnlegenKnopf, Qt::LeftButton);
        if (!QTest::qWaitFor([this] { return fenster->StartenKnopf->isVisible(); }, 20000))
            return {};
        QTest::mouseClick(fenster->StartenKnopf, Qt::LeftButton);
        return angelegt.size() == 1 ? angelegt[0][0].toString() : QString();
    }
    QStringList spalte(int s) const
    {
        QStringList texte;
        for (int z = 0; z < fenster->Modell->rowCount(); ++z)
            texte += fenster->Modell->index(z, s).data().toString();
        return texte;
    }
    QIcon bild(int zeile) const
    {
        return fenster->Modell->index(zeile, Paarlistenmodell::SpalteFoto).data(Qt::DecorationRole).value<QIcon>();
    }

    QTemporaryDir tmp;
    bool aktiv = false;
    std::unique_ptr<Nutzerkonfiguration> konfiguration;
    MeldungsRecorder meldungen;
    std::unique_ptr<NeuesSpielFenster> fenster;
};

std::string s(const QStringList& l) { return l.join(" | ").toStdString(); }

// Opens the game written at ziel in the game window, as the game would from its folder, and
// hands the dealt window to pruefe.
template <class Pruefung>
void spieleGeschriebenes(const QString& ziel, Pruefung pruefe)
{
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ziel));
    {
        Testfenster spiel;
        spiel.aktiviere();
        EXPECT_TRUE(spiel.meldungen.eintraege.empty()) << spiel.meldungen.eintraege[0].text.toStdString();
        if (spiel.form->aufgebaut())
            pruefe(std::as_const(*spiel.form));
        else
            ADD_FAILURE() << "the written game is not dealt";
    }
    QDir::setCurrent(vorher);
}

} // namespace

// Photos come through the file dialog, which opens in a folder that exists, and by a drop of
// files and folders, in order: names from the file names, camera names left empty, thumbnails
// upright, the game named after the first photos' folder, the keys on the first new photo;
// unreadable files and repeats are named and left out, a long list of them behind "Alle
// anzeigen". Escape asks before the photos are thrown away.
TEST(NeuesSpielFenster, photosArriveThroughTheDialogAndADrop)
{
    Aufbau a;
    ASSERT_TRUE(a.aktiv);
    EXPECT_EQ(a.fenster->Brett->text().toStdString(), "Noch keine Fotos.");
    const QString img = a.foto("Familie/IMG_2041.jpg", jpeg(Qt::red, 120, 90, 6));
    const QString oma = a.foto("Familie/Oma Erna.jpg", jpeg(Qt::green, 120, 90));
    const QString kaputt = a.foto("Familie/kaputt.jpg", QByteArray("\xFF\xD8\xFF\xE0 kein JPEG", 15));
    const QString notiz = a.foto("Familie/notiz.txt", "Text");
    const QString uwe = a.foto("Familie/Uwe.jpg", jpeg(Qt::gray, 40, 30));
    a.foto("Mehr/Zoe 10.jpg", jpeg(Qt::blue, 40, 30));
    a.foto("Mehr/Zoe 9.jpg", jpeg(Qt::blue, 40, 30));
    a.foto("Mehr/DSC01234.jpg", jpeg(Qt::yellow, 40, 30));
    a.foto("Mehr/Ben.png", pngHalbDurchsichtig(Qt::blue, 40, 30));
    a.foto("Mehr/liesmich.txt", "Text");
    QStringList fehlend;
    for (int i = 0; i < 40; ++i)
        fehlend += a.tmp.filePath(QStringLiteral("fehlt %1.jpg").arg(i));
    QStringList starts;
    const QStringList wahlen[] = {{img, oma, kaputt, notiz, oma}, QStringList{uwe} + fehlend};
    a.fenster->setzeDateiwahl([&](const QString& ordner) {
        starts += ordner;
        return wahlen[starts.size() - 1];
    });

    QTest::mouseClick(a.fenster->HinzufuegenKnopf, Qt::LeftButton);
    ASSERT_TRUE(a.gelesen());
    ASSERT_EQ(starts.size(), 1);
    EXPECT_TRUE(QFileInfo(starts[0]).isDir()) << starts[0].toStdString();
    EXPECT_EQ(a.fenster->fotos(), (QStringList{img, oma}));
    EXPECT_EQ(s(a.fenster->namen()), s({"", "Oma Erna"}));
    EXPECT_EQ(a.fenster->Spielname->text().toStdString(), "Familie");
    EXPECT_EQ(QApplication::focusWidget(), a.fenster->Liste);
    EXPECT_EQ(a.fenster->Liste->currentIndex().row(), 0);
    const QString ausgelassen = a.fenster->Ausgelassen->text();
    for (const char* teil : {"Oma Erna.jpg (schon in der Liste)", "kaputt.jpg (JPEG-Fehlernr.", "notiz.txt (kein bekanntes Bildformat)"})
        EXPECT_TRUE(ausgelassen.contains(QString::fromUtf8(teil))) << ausgelassen.toStdString();
    EXPECT_FALSE(a.fenster->AlleAusgelassenKnopf->isVisible());
    const QIcon hochkant = a.bild(0);
    ASSERT_FALSE(hochkant.isNull());
    EXPECT_EQ(hochkant.pixmap(64).size(), QSize(48, 64)) << "turned upright by its EXIF tag";

    a.lassFallen({a.tmp.filePath("Mehr")});
    ASSERT_TRUE(a.gelesen());
    EXPECT_EQ(s(a.fenster->namen()), s({"", "Oma Erna", "Ben", "", "Zoe 9", "Zoe 10"}));
    EXPECT_EQ(a.fenster->Spielname->text().toStdString(), "Familie");
    for (int z = 0; z < a.fenster->Modell->rowCount(); ++z)
        EXPECT_FALSE(a.bild(z).isNull()) << z;

    // Keys reorder and remove.
    a.fenster->Liste->setFocus();
    a.fenster->Liste->setCurrentIndex(a.fenster->Modell->index(2, Paarlistenmodell::SpalteDatei));
    QTest::keyClick(a.fenster->Liste, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(a.fenster->Liste, Qt::Key_Delete);
    QTest::mouseClick(a.fenster->RunterKnopf, Qt::LeftButton);
    EXPECT_EQ(s(a.fenster->namen()), s({"", "", "Oma Erna", "Zoe 9", "Zoe 10"}));

    // The second time the dialog starts where the photos came from; the keys go to the new one.
    QTest::mouseClick(a.fenster->HinzufuegenKnopf, Qt::LeftButton);
    ASSERT_TRUE(a.gelesen());
    EXPECT_EQ(starts.value(1), a.tmp.filePath("Familie"));
    EXPECT_EQ(QApplication::focusWidget(), a.fenster->Liste);
    EXPECT_EQ(a.fenster->Liste->currentIndex().row(), 5);
    EXPECT_TRUE(a.fenster->Ausgelassen->text().endsWith("\n… und 40 weitere")) << a.fenster->Ausgelassen->text().toStdString();
    ASSERT_TRUE(a.fenster->AlleAusgelassenKnopf->isVisible());
    QTest::mouseClick(a.fenster->AlleAusgelassenKnopf, Qt::LeftButton);
    ASSERT_TRUE(a.fenster->AlleAusgelassen->isVisible());
    EXPECT_EQ(a.fenster->AlleAusgelassenText->toPlainText(), a.fenster->liste().ausgelassenAlle());

    QStringList fragen;
    a.fenster->setzeRueckfrage([&](const QString& text) {
        fragen += text;
        return fragen.size() > 1;
    });
    QSignalSpy geschlossen(a.fenster.get(), &NeuesSpielFenster::geschlossen);
    QTest::keyClick(a.fenster->HinzufuegenKnopf, Qt::Key_Escape);
    EXPECT_TRUE(a.fenster->isVisible()) << "kept when the user says no";
    a.fenster->close();
    EXPECT_FALSE(a.fenster->isVisible() || a.fenster->AlleAusgelassen->isVisible());
    EXPECT_EQ(geschlossen.size(), 1);
    EXPECT_EQ(s(fragen), s(QStringList(2, "Die 6 Fotos in der Liste und ihre Namen gehen verloren. Trotzdem schließen?")));
}

// "Zweite Karte zeigt den Namen" is off until the user turns it on, and then stays on. Missing
// and equal names are marked and asked for before anything is written; "Abbrechen" leaves
// nothing; then Enter in the game's name writes what the writer of `paarlix --neues-spiel`
// writes, announces the folder and remembers the games folder. The game opens in the game
// window without any message and deals every photo: each pair shows its photo's colour.
TEST(NeuesSpielFenster, namesAreAskedForThenTheGameIsWrittenAsTheCommandLineWould)
{
    Aufbau a;
    ASSERT_TRUE(a.aktiv);
    const QColor farben[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    const QStringList fotos{a.foto("Fotos/IMG_0001.jpg", jpeg(farben[0], 40, 30)),
                            a.foto("Fotos/Ben.jpg", jpeg(farben[1], 40, 30)),
                            a.foto("Fotos/Oma.jpg", jpeg(farben[2], 30, 40, 6)),
                            a.foto("Fotos/Pia.png", pngHalbDurchsichtig(farben[3], 40, 30))};
    a.fenster->fuegeHinzu({fotos[0]});
    ASSERT_TRUE(a.gelesen());
    EXPECT_FALSE(a.fenster->AnlegenKnopf->isEnabled()) << "no game of one photo";
    a.fenster->fuegeHinzu(fotos);
    ASSERT_TRUE(a.gelesen());
    EXPECT_EQ(a.fenster->Brett->text().toStdString(), "4 Paare → 2 × 4 Karten, je 228 × 171 Pixel auf diesem Bildschirm");
    EXPECT_EQ(a.fenster->Brett->accessibleName(), a.fenster->Brett->text()) << "read as its text";
    EXPECT_FALSE(a.fenster->MitNamen->isChecked());
    a.fenster->MitNamen->setFocus();
    QTest::keyClick(a.fenster->MitNamen, Qt::Key_Space);
    ASSERT_TRUE(a.fenster->MitNamen->isChecked());
    EXPECT_EQ(s(a.spalte(Paarlistenmodell::SpalteHinweis)), s({"Name fehlt", "", "", ""}));

    a.tippe(0, "ben");
    EXPECT_EQ(s(a.spalte(Paarlistenmodell::SpalteHinweis)), s({"Name doppelt", "Name doppelt", "", ""}));
    ASSERT_TRUE(a.fenster->AnlegenKnopf->isEnabled());
    QTest::mouseClick(a.fenster->AnlegenKnopf, Qt::LeftButton);
    ASSERT_EQ(a.meldungen.eintraege.size(), 1u);
    EXPECT_TRUE(a.meldungen.eintraege[0].text.startsWith("Der Name „ben“ steht mehrmals in der Liste."));
    EXPECT_FALSE(a.fenster->schreibtGerade());

    a.tippe(0, "Anna");
    EXPECT_EQ(s(a.spalte(Paarlistenmodell::SpalteHinweis)), s({"", "", "", ""}));
    QSignalSpy angelegt(a.fenster.get(), &NeuesSpielFenster::spielAngelegt);
    // "Abbrechen" right away: the writer stops before its first picture and leaves nothing. It is
    // held until the click, or four tiny photos may be written before it.
    std::atomic<bool> los = false;
    a.fenster->setzeSchreiber([&los](const NeuesSpiel& auftrag) {
        while (!los)
            QThread::msleep(1);
        return schreibeNeuesSpiel(auftrag);
    });
    QTest::mouseClick(a.fenster->AnlegenKnopf, Qt::LeftButton);
    ASSERT_TRUE(a.fenster->AbbrechenKnopf->isVisible());
    QTest::mouseClick(a.fenster->AbbrechenKnopf, Qt::LeftButton);
    los = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !a.fenster->schreibtGerade(); }, 20000));
    EXPECT_EQ(a.fenster->Status->text().toStdString(), "Abgebrochen. Es wurde nichts geschrieben.");
    EXPECT_EQ(s(QDir(a.tmp.filePath("Spiele")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)), "");
    EXPECT_EQ(angelegt.size(), 0);
    EXPECT_EQ(a.meldungen.eintraege.size(), 1u) << "no box for a cancel";

    a.fenster->Spielname->setFocus();
    QTest::keyClick(a.fenster->Spielname, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.fenster->StartenKnopf->isVisible(); }, 20000))
        << a.fenster->Status->text().toStdString();
    EXPECT_EQ(angelegt.size(), 0) << "started only when asked";
    QTest::mouseClick(a.fenster->StartenKnopf, Qt::LeftButton);
    ASSERT_EQ(angelegt.size(), 1);
    const QString ziel = a.tmp.filePath("Spiele/Fotos");
    EXPECT_EQ(angelegt[0][0].toString(), ziel);
    Nutzerkonfiguration gespeichert(a.tmp.filePath("paarlix.conf"));
    EXPECT_EQ(gespeichert.wert(SpieleordnerSchluessel), a.tmp.filePath("Spiele"));
    EXPECT_TRUE(NeuesSpielFenster(gespeichert, a.meldungen).MitNamen->isChecked()) << "as the user left it";

    NeuesSpiel auftrag{a.tmp.filePath("Befehlszeile"), fotos, true};
    auftrag.Namen = QStringList{"Anna", "Ben", "Oma", "Pia"};
    const Schreibergebnis ergebnis = schreibeNeuesSpiel(auftrag);
    ASSERT_EQ(ergebnis.Art, Schreibergebnis::Ausgang::Geschrieben) << ergebnis.Meldung.toStdString();
    const QStringList dateien = QDir(ziel).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(dateien, QDir(auftrag.Ziel).entryList(QDir::Files, QDir::Name));
    for (const QString& datei : dateien)
        EXPECT_EQ(lies(ziel + "/" + datei), lies(auftrag.Ziel + "/" + datei)) << datei.toStdString();

    a.fenster.reset();
    spieleGeschriebenes(ziel, [&](const TForm1& f) {
        // One card of each pair shows the photo, the other its name.
        int fotokarten[4] = {};
        for (int z = 0; z < f.Einstellungen.Zeilen; ++z)
            for (int sp = 0; sp < f.Einstellungen.Spalten; ++sp) {
                const int paar = f.PaarNummern[z][sp];
                ASSERT_TRUE(paar >= 1 && paar <= 4) << z << "," << sp;
                const QImage karte = f.KartenBilder[z][sp]->bild();
                // Three quarters across: inside the PNG's opaque half too.
                const QColor farbe = karte.pixelColor(karte.width() * 3 / 4, karte.height() / 2);
                fotokarten[paar - 1] += aehnlich(farbe, farben[paar - 1], 12);
            }
        for (int paar = 0; paar < 4; ++paar)
            EXPECT_EQ(fotokarten[paar], 1) << "pair " << paar + 1;
    });
}

// A card of an edited game that cannot be read is left out of the list; saving asks first,
// since the new version would lack it, and "Zurück zur Liste" leaves the game as it was.
// Closing asks about the changes to the game.
TEST(NeuesSpielFenster, anEditedGameAsksBeforeSavingWithoutACardItCouldNotRead)
{
    Aufbau a;
    ASSERT_TRUE(a.aktiv);
    NeuesSpiel auftrag{a.tmp.filePath("Spiele/Tiere"),
                       {a.foto("a.jpg", jpeg(Qt::red, 40, 30)), a.foto("b.jpg", jpeg(Qt::green, 40, 30)),
                        a.foto("c.jpg", jpeg(Qt::blue, 40, 30))}};
    ASSERT_EQ(schreibeNeuesSpiel(auftrag).Art, Schreibergebnis::Ausgang::Geschrieben);
    // Both cards of the pair are one file: a damaged picture.
    schreibe(auftrag.Ziel + "/02a.jpg", QByteArray("\xFF\xD8\xFF kein Bild", 14));
    const QByteArray einstellungen = lies(auftrag.Ziel + "/Paarlix.ini");

    ASSERT_TRUE(a.fenster->bearbeite(auftrag.Ziel));
    ASSERT_TRUE(a.gelesen());
    EXPECT_EQ(a.fenster->Modell->rowCount(), 2);
    QStringList fragen;
    bool verwerfen = false;
    a.fenster->setzeRueckfrage([&](const QString& text) {
        fragen += text.split('\n').mid(0, 2);
        return verwerfen;
    });
    QTest::mouseClick(a.fenster->AnlegenKnopf, Qt::LeftButton);
    EXPECT_FALSE(a.fenster->schreibtGerade());
    EXPECT_EQ(lies(auftrag.Ziel + "/Paarlix.ini"), einstellungen);
    EXPECT_TRUE(QFileInfo::exists(auftrag.Ziel + "/03b.jpg"));
    a.fenster->close();
    EXPECT_TRUE(a.fenster->isVisible());
    EXPECT_EQ(s(fragen), s({"Diese Karten des Spiels ließen sich nicht lesen und fallen beim Speichern weg:",
                            "02a.jpg",
                            "Die Änderungen am Spiel „Tiere“ gehen verloren. Trotzdem schließen?"}));
    a.fenster->setzeRueckfrage([](const QString&) { return true; });
}

// 25 photos fill a board with empty places; "Je Runde 8 Paare" chooses the board for 8, and the
// game written holds all 25 pairs and deals 8 of them each round.
TEST(NeuesSpielFenster, aSubsetPerRoundIsChosenAndWritten)
{
    Aufbau a;
    ASSERT_TRUE(a.aktiv);
    QStringList fotos;
    for (int i = 0; i < 25; ++i)
        fotos += a.foto(QStringLiteral("Klasse/%1.jpg").arg(i), jpeg(QColor::fromHsv(i * 14, 200, 200), 6, 8));
    a.fenster->fuegeHinzu(fotos);
    ASSERT_TRUE(a.gelesen());
    EXPECT_EQ(a.fenster->Brett->text().toStdString(),
              "25 Paare → 8 × 7 Felder, 6 bleiben frei, je 69 × 92 Pixel auf diesem Bildschirm");
    EXPECT_FALSE(a.fenster->JeRundeAnzahl->isEnabled());
    a.fenster->JeRunde->setFocus();
    QTest::keyClick(a.fenster->JeRunde, Qt::Key_Space);
    ASSERT_TRUE(a.fenster->JeRundeAnzahl->isEnabled());
    EXPECT_EQ(a.fenster->JeRundeAnzahl->value(), 8);
    EXPECT_EQ(a.fenster->JeRundeAnzahl->maximum(), 25);
    ASSERT_TRUE(a.gelesen());
    EXPECT_TRUE(a.fenster->Brett->text().startsWith("Je Runde 8 von 25 Paaren → ")) << a.fenster->Brett->text().toStdString();

    ASSERT_TRUE(a.fenster->AnlegenKnopf->isEnabled());
    const QString ziel = a.schreibeUndStarte();
    ASSERT_FALSE(ziel.isEmpty()) << a.fenster->Status->text().toStdString();
    // A change not yet saved is not what "Spiel starten" would start.
    QTest::mouseClick(a.fenster->JeRunde, Qt::LeftButton);
    EXPECT_FALSE(a.fenster->StartenKnopf->isVisible() || a.fenster->DruckenKnopf->isVisible());
    EXPECT_EQ(leseEinstellungen(lies(ziel + "/Paarlix.ini")).Werte.PaareJeRunde, 8);
    EXPECT_TRUE(QFileInfo::exists(ziel + "/25b.jpg"));
}

// A list of pairs: a refused list changes nothing; a list loaded, a photo pair changed to photo ↔
// text in the table, and the game written from the pairs is dealt with all its pairs.
TEST(NeuesSpielFenster, aPairListIsLoadedChangedAndWritten)
{
    Aufbau a;
    ASSERT_TRUE(a.aktiv);
    a.foto("Tiere/Hund.jpg", jpeg(Qt::red, 40, 30));
    a.foto("Tiere/Katze.jpg", jpeg(Qt::green, 40, 30));
    a.foto("Tiere/Maus.jpg", jpeg(Qt::blue, 40, 30));
    a.foto("Tiere/Maus hinten.jpg", jpeg(Qt::yellow, 40, 30));
    const QString hund = a.foto("Tiere/Hund hinten.jpg", jpeg(Qt::cyan, 40, 30));
    const QString maus = a.foto("Tiere/Maus vorn.jpg", jpeg(Qt::magenta, 40, 30));
    const QString falsch = a.foto("Tiere/falsch.csv", "Hund.jpg;Wauwau;zu viel\n");
    const QString liste = a.foto("Tiere/Tiere.csv", "# Tiere und Rechnen\nHund.jpg;Wauwau\nKatze.jpg\n"
                                                    "3 + 4;7\nMaus.jpg;Maus hinten.jpg\n");
    QStringList listen{falsch, liste};
    a.fenster->setzeListenwahl([&](const QString&) { return listen.takeFirst(); });

    QTest::mouseClick(a.fenster->ListeLadenKnopf, Qt::LeftButton);
    EXPECT_TRUE(a.fenster->Status->text().contains("Zeile 1")) << a.fenster->Status->text().toStdString();
    EXPECT_EQ(a.fenster->Modell->rowCount(), 0);
    QTest::mouseClick(a.fenster->ListeLadenKnopf, Qt::LeftButton);
    ASSERT_TRUE(a.gelesen());
    ASSERT_EQ(a.fenster->Modell->rowCount(), 4);
    EXPECT_EQ(a.fenster->Spielname->text().toStdString(), "Tiere");

    // Katze's second card: from the same photo to a typed text, by keys.
    QTableView* tabelle = a.fenster->Liste;
    tabelle->setFocus();
    tabelle->setCurrentIndex(a.fenster->Modell->index(1, Paarlistenmodell::SpalteArt));
    QTest::keyClick(tabelle, Qt::Key_F2);
    auto* wahl = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_TRUE(wahl) << "the kind is chosen in a list";
    QTest::keyClick(wahl, Qt::Key_End);
    QApplication::processEvents();
    EXPECT_EQ(a.fenster->liste().zeile(1).Zweite, Zweitart::Text);
    tabelle->setCurrentIndex(a.fenster->Modell->index(1, Paarlistenmodell::SpalteZweite));
    QTest::keyClick(tabelle, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_TRUE(qobject_cast<QLineEdit*>(editor)) << "the text is being edited";
    QTest::keyClicks(editor, "Mieze");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(a.fenster->paare()[1].Zweite.Text.toStdString(), "Mieze");

    // Hund's second card: a photo picked in the dialog; Maus's: a photo dropped onto it.
    a.fenster->setzeDateiwahl([&](const QString&) { return QStringList{hund}; });
    tabelle->setCurrentIndex(a.fenster->Modell->index(0, Paarlistenmodell::SpalteName));
    QTest::mouseClick(a.fenster->FotoWaehlenKnopf, Qt::LeftButton);
    EXPECT_EQ(a.fenster->paare()[0].Zweite.Foto, hund);
    const QRect zelle = tabelle->visualRect(a.fenster->Modell->index(3, Paarlistenmodell::SpalteZweite));
    a.lassFallen({maus}, tabelle->viewport()->mapTo(a.fenster.get(), zelle.center()));
    EXPECT_EQ(a.fenster->paare()[3].Zweite.Foto, maus);
    EXPECT_EQ(a.fenster->Modell->rowCount(), 4);

    ASSERT_TRUE(a.gelesen());
    ASSERT_TRUE(a.fenster->AnlegenKnopf->isEnabled()) << a.fenster->Status->text().toStdString();
    const QString ziel = a.schreibeUndStarte();
    ASSERT_FALSE(ziel.isEmpty()) << a.fenster->Status->text().toStdString();

    a.fenster.reset();
    spieleGeschriebenes(ziel, [](const TForm1& f) {
        int karten[4] = {};
        for (int z = 0; z < f.Einstellungen.Zeilen; ++z)
            for (int sp = 0; sp < f.Einstellungen.Spalten; ++sp)
                if (const int paar = f.PaarNummern[z][sp]; paar >= 1 && paar <= 4)
                    ++karten[paar - 1];
        for (int paar = 0; paar < 4; ++paar)
            EXPECT_EQ(karten[paar], 2) << "pair " << paar + 1;
    });
}
