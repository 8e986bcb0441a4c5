#include "start/NeuesSpielFenster.h"

#include "neuesspiel/Paarliste.h"
#include "neuesspiel/Spielschreiber.h"
#include "platform/Nutzerkonfiguration.h"
#include "start/Paarlistenmodell.h"
#include "start/Tonwahl.h"
#include "support/Farben.h"
#include "support/MeldungsRecorder.h"

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
#include <QRadioButton>
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
#include <vector>

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
        // What the window hands over is kept; the writer itself is checked in its own tests.
        fenster->setzeSchreiber([this](const NeuesSpiel& auftrag) {
            while (halten)
                QThread::msleep(1);
            auftraege.push_back(auftrag);
            return schreibeNeuesSpiel(auftrag);
        });
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
        QTableView* liste = fenster->Liste->Tabelle;
        liste->setFocus();
        liste->setCurrentIndex(fenster->Liste->Modell->index(zeile, Paarlistenmodell::SpalteName));
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
        QTest::mouseClick(fenster->Leiste->AnlegenKnopf, Qt::LeftButton);
        if (!QTest::qWaitFor([this] { return fenster->Leiste->StartenKnopf->isVisible(); }, 20000))
            return {};
        QTest::mouseClick(fenster->Leiste->StartenKnopf, Qt::LeftButton);
        return angelegt.size() == 1 ? angelegt[0][0].toString() : QString();
    }
    QStringList spalte(int s) const
    {
        QStringList texte;
        for (int z = 0; z < fenster->Liste->Modell->rowCount(); ++z)
            texte += fenster->Liste->Modell->index(z, s).data().toString();
        return texte;
    }
    // Where the controls are that a click may aim at, in the window.
    std::vector<QRect> lage() const
    {
        // Once the layout has followed the texts.
        QApplication::processEvents();
        std::vector<QRect> rechtecke;
        for (const QWidget* w : std::initializer_list<const QWidget*>{
                 fenster->Liste->MitNamen, fenster->JeRunde, fenster->FormatWahl, fenster->Leiste->Spielname,
                 fenster->Leiste->AnlegenKnopf})
            rechtecke.push_back(QRect(w->mapTo(fenster.get(), QPoint()), w->size()));
        return rechtecke;
    }
    QIcon bild(int zeile) const
    {
        return fenster->Liste->Modell->index(zeile, Paarlistenmodell::SpalteFoto).data(Qt::DecorationRole).value<QIcon>();
    }

    // The writer's order in short: target, screen, pairs per round, card format, new or replacing,
    // then each pair, a photo by its file name, a text in quotes, "=" for none, "+a.wav" its sound.
    std::string auftrag() const
    {
        if (auftraege.empty())
            return "nothing written";
        const NeuesSpiel& a = auftraege.back();
        const auto karte = [](const Kartenangabe& k) {
            const QString ton = k.Ton.isEmpty() ? QString() : "+" + QFileInfo(k.Ton).fileName();
            return (k.leer() ? QString("=") : k.istFoto() ? QFileInfo(k.Foto).fileName() : "'" + k.Text + "'") + ton;
        };
        QStringList teile{QDir(tmp.path()).relativeFilePath(a.Ziel),
                          QString("%1x%2").arg(a.Bildschirm.width()).arg(a.Bildschirm.height()),
                          QString("je Runde %1").arg(a.JeRunde), a.Format ? formatBeschreibung(*a.Format) : "automatisch",
                          a.Ersetzen ? "ersetzt" : "neu"};
        for (const Paarangabe& p : a.Paare)
            teile += karte(p.Erste) + "↔" + karte(p.Zweite);
        return teile.join(" | ").toStdString();
    }

    QTemporaryDir tmp;
    bool aktiv = false;
    std::atomic<bool> halten = false;  // the writer waits while set
    std::vector<NeuesSpiel> auftraege; // filled on the worker, read once it has handed back
    std::unique_ptr<Nutzerkonfiguration> konfiguration;
    MeldungsRecorder meldungen;
    std::unique_ptr<NeuesSpielFenster> fenster;
};

std::string s(const QStringList& l) { return l.join(" | ").toStdString(); }

// The controls Tab walks through, from the window's first one round to it again.
QStringList tabfolge(QWidget* fenster)
{
    QStringList namen;
    for (QWidget* w = fenster->nextInFocusChain(); w != fenster && namen.size() < 100; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(fenster) && !w->accessibleName().isEmpty())
            namen += w->accessibleName();
    return namen;
}

} // namespace

// Photos come through the file dialog, which opens in a folder that exists, and by a drop of
// files and folders, in order: names from the file names, thumbnails upright, the game named
// after the first photos' folder, the keys on the first new photo; files that cannot be read
// are named, a long list of them behind "Alle anzeigen". Tab walks the controls top to bottom.
TEST(NeuesSpielFenster, photosArriveThroughTheDialogOrADrop)
{
    Aufbau a;
    ASSERT_TRUE(a.aktiv);
    EXPECT_EQ(a.fenster->Brett->text().toStdString(), "Noch keine Paare.");
    EXPECT_EQ(s(tabfolge(a.fenster.get())),
              s({"Fotos hinzufügen…", "Paare", "Entfernen", "Nach oben", "Nach unten", "Foto wählen…", "Ton…",
                 "Textpaar hinzufügen", "Liste laden…", "Zweite Karte zeigt den Namen",
                 "Je Runde nur einige Paare spielen, zufällig aus allen", "Paare je Runde", "Kartenformat",
                 "Fotos zuschneiden", "Texte vorlesen", "Name des Spiels", "Ordner für die Spiele ändern", "Spiel anlegen"}));
    Paarlistenfeld& liste = *a.fenster->Liste;
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
    const QStringList wahlen[] = {{img, oma, kaputt, notiz}, QStringList{uwe} + fehlend};
    a.fenster->setzeDateiwahl([&](const QString& ordner) {
        starts += ordner;
        return wahlen[starts.size() - 1];
    });

    QTest::mouseClick(liste.HinzufuegenKnopf, Qt::LeftButton);
    ASSERT_TRUE(a.gelesen());
    ASSERT_EQ(starts.size(), 1);
    EXPECT_TRUE(QFileInfo(starts[0]).isDir()) << starts[0].toStdString();
    EXPECT_EQ(s(a.fenster->namen()), s({"", "Oma Erna"}));
    EXPECT_EQ(a.fenster->Leiste->Spielname->text().toStdString(), "Familie");
    EXPECT_EQ(QApplication::focusWidget(), liste.Tabelle);
    EXPECT_EQ(liste.Tabelle->currentIndex().row(), 0);
    for (const char* teil : {"kaputt.jpg (JPEG-Fehlernr.", "notiz.txt (kein bekanntes Bildformat)"})
        EXPECT_TRUE(liste.Ausgelassen->text().contains(QString::fromUtf8(teil))) << liste.Ausgelassen->text().toStdString();
    EXPECT_FALSE(liste.AlleAusgelassenKnopf->isVisible());
    const QIcon hochkant = a.bild(0);
    ASSERT_FALSE(hochkant.isNull());
    EXPECT_EQ(hochkant.pixmap(64).size(), QSize(48, 64)) << "turned upright by its EXIF tag";

    a.lassFallen({a.tmp.filePath("Mehr")});
    ASSERT_TRUE(a.gelesen());
    EXPECT_EQ(s(a.fenster->namen()), s({"", "Oma Erna", "Ben", "", "Zoe 9", "Zoe 10"}));
    EXPECT_EQ(a.fenster->Leiste->Spielname->text().toStdString(), "Familie");
    for (int z = 0; z < liste.Modell->rowCount(); ++z)
        EXPECT_FALSE(a.bild(z).isNull()) << z;

    // Keys reorder and remove.
    liste.Tabelle->setFocus();
    liste.Tabelle->setCurrentIndex(liste.Modell->index(2, Paarlistenmodell::SpalteDatei));
    QTest::keyClick(liste.Tabelle, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(liste.Tabelle, Qt::Key_Delete);
    QTest::mouseClick(liste.RunterKnopf, Qt::LeftButton);
    EXPECT_EQ(s(a.fenster->namen()), s({"", "", "Oma Erna", "Zoe 9", "Zoe 10"}));

    // The second time the dialog starts where the photos came from; the keys go to the new one.
    QTest::mouseClick(liste.HinzufuegenKnopf, Qt::LeftButton);
    ASSERT_TRUE(a.gelesen());
    EXPECT_EQ(starts.value(1), a.tmp.filePath("Familie"));
    EXPECT_EQ(QApplication::focusWidget(), liste.Tabelle);
    EXPECT_EQ(liste.Tabelle->currentIndex().row(), 5);
    EXPECT_TRUE(liste.Ausgelassen->text().endsWith("\n… und 39 weitere")) << liste.Ausgelassen->text().toStdString();
    ASSERT_TRUE(liste.AlleAusgelassenKnopf->isVisible());
    QTest::mouseClick(liste.AlleAusgelassenKnopf, Qt::LeftButton);
    ASSERT_TRUE(liste.AlleAusgelassen->isVisible());
    EXPECT_EQ(liste.AlleAusgelassenText->toPlainText(), a.fenster->liste().ausgelassenAlle());

    // Escape closes, the list of files left out with it, once the user lets the photos go.
    a.fenster->setzeRueckfrage([](const QString&) { return true; });
    QSignalSpy geschlossen(a.fenster.get(), &NeuesSpielFenster::geschlossen);
    QTest::keyClick(liste.HinzufuegenKnopf, Qt::Key_Escape);
    EXPECT_FALSE(a.fenster->isVisible() || liste.AlleAusgelassen->isVisible());
    EXPECT_EQ(geschlossen.size(), 1);
}

// "Zweite Karte zeigt den Namen" is off until the user turns it on, and then stays on. Missing
// and equal names are marked and asked for before anything is written; "Abbrechen" stops the
// writer; then Enter in the game's name hands the pairs with their names to the writer, and the
// games folder is remembered; "Spiel starten" announces the game.
TEST(NeuesSpielFenster, theListGoesToTheWriterOnceEveryNameIsGiven)
{
    Aufbau a;
    ASSERT_TRUE(a.aktiv);
    Schreibleiste& leiste = *a.fenster->Leiste;
    a.fenster->fuegeHinzu({a.foto("Fotos/IMG_0001.jpg", jpeg(Qt::red, 40, 30)), a.foto("Fotos/Ben.jpg", jpeg(Qt::green, 40, 30)),
                           a.foto("Fotos/Oma.jpg", jpeg(Qt::blue, 30, 40, 6)),
                           a.foto("Fotos/Pia.png", pngHalbDurchsichtig(Qt::yellow, 40, 30))});
    ASSERT_TRUE(a.gelesen());
    EXPECT_EQ(a.fenster->Brett->text().toStdString(), "4 Paare → 2 × 4 Karten, je bis zu 228 × 171 Pixel auf diesem Bildschirm");
    EXPECT_EQ(a.fenster->Brett->accessibleName(), a.fenster->Brett->text()) << "read as its text";
    QCheckBox* mitNamen = a.fenster->Liste->MitNamen;
    EXPECT_FALSE(mitNamen->isChecked());
    mitNamen->setFocus();
    QTest::keyClick(mitNamen, Qt::Key_Space);
    ASSERT_TRUE(mitNamen->isChecked());
    EXPECT_EQ(s(a.spalte(Paarlistenmodell::SpalteHinweis)), s({"Name fehlt", "", "", ""}));

    a.tippe(0, "ben");
    EXPECT_EQ(s(a.spalte(Paarlistenmodell::SpalteHinweis)), s({"Name doppelt", "Name doppelt", "", ""}));
    const std::vector<QRect> lage = a.lage();
    QTest::mouseClick(leiste.AnlegenKnopf, Qt::LeftButton);
    EXPECT_EQ(a.lage(), lage) << "the status line has its room";
    ASSERT_EQ(a.meldungen.eintraege.size(), 1u);
    EXPECT_TRUE(a.meldungen.eintraege[0].text.startsWith("Der Name „ben“ steht mehrmals in der Liste."));
    EXPECT_FALSE(a.fenster->schreibtGerade());

    // "Abbrechen" right away: held until the click, or four tiny photos may be written before it.
    a.tippe(0, "Anna");
    QSignalSpy angelegt(a.fenster.get(), &NeuesSpielFenster::spielAngelegt);
    a.halten = true;
    QTest::mouseClick(leiste.AnlegenKnopf, Qt::LeftButton);
    ASSERT_TRUE(leiste.AbbrechenKnopf->isVisible());
    QTest::mouseClick(leiste.AbbrechenKnopf, Qt::LeftButton);
    a.halten = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !a.fenster->schreibtGerade(); }, 20000));
    EXPECT_EQ(leiste.Status->text().toStdString(), "Abgebrochen. Es wurde nichts geschrieben.");
    EXPECT_EQ(a.meldungen.eintraege.size(), 1u) << "no box for a cancel";

    leiste.Spielname->setFocus();
    QTest::keyClick(leiste.Spielname, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return leiste.StartenKnopf->isVisible(); }, 20000)) << leiste.Status->text().toStdString();
    EXPECT_EQ(a.auftrag(), "Spiele/Fotos | 1366x768 | je Runde 0 | automatisch | neu | IMG_0001.jpg↔'Anna' | "
                           "Ben.jpg↔'Ben' | Oma.jpg↔'Oma' | Pia.png↔'Pia'");
    EXPECT_EQ(angelegt.size(), 0) << "started only when asked";
    QTest::mouseClick(leiste.StartenKnopf, Qt::LeftButton);
    ASSERT_EQ(angelegt.size(), 1);
    EXPECT_EQ(angelegt[0][0].toString(), a.tmp.filePath("Spiele/Fotos"));
    Nutzerkonfiguration gespeichert(a.tmp.filePath("paarlix.conf"));
    EXPECT_EQ(gespeichert.wert(SpieleordnerSchluessel), a.tmp.filePath("Spiele"));
    EXPECT_TRUE(NeuesSpielFenster(gespeichert, a.meldungen).Liste->MitNamen->isChecked()) << "as the user left it";
}

// A card of an edited game that cannot be read is left out of the list; saving asks first, and
// "Zurück zur Liste" writes nothing. Closing asks too. Once the user lets the card go, the
// pairs left replace the game.
TEST(NeuesSpielFenster, anEditedGameAsksBeforeSavingWithoutACardItCouldNotRead)
{
    Aufbau a;
    ASSERT_TRUE(a.aktiv);
    NeuesSpiel spiel{a.tmp.filePath("Spiele/Tiere"),
                     {a.foto("a.jpg", jpeg(Qt::red, 40, 30)), a.foto("b.jpg", jpeg(Qt::green, 40, 30)),
                      a.foto("c.jpg", jpeg(Qt::blue, 40, 30))}};
    spiel.TexteVorlesen = true;
    spiel.Sprachen = {QLocale::Turkish, QLocale::French};
    ASSERT_EQ(schreibeNeuesSpiel(spiel).Art, Schreibergebnis::Ausgang::Geschrieben);
    // Both cards of the pair are one file: a damaged picture.
    schreibe(spiel.Ziel + "/02a.jpg", QByteArray("\xFF\xD8\xFF kein Bild", 14));

    a.fenster->setzeSprachpruefung([] { return QString(); });
    ASSERT_TRUE(a.fenster->bearbeite(spiel.Ziel));
    ASSERT_TRUE(a.gelesen());
    EXPECT_TRUE(a.fenster->Vorlesen->isChecked());
    EXPECT_TRUE(a.fenster->VorlesenHinweis->isHidden());
    EXPECT_EQ(a.fenster->windowTitle().toStdString(), "Spiel „Tiere“ bearbeiten");
    EXPECT_EQ(a.fenster->Leiste->AnlegenKnopf->accessibleName().toStdString(), "Speichern");
    QStringList fragen;
    bool verwerfen = false;
    a.fenster->setzeRueckfrage([&](const QString& text) {
        fragen += text;
        return verwerfen;
    });
    QPushButton* speichern = a.fenster->Leiste->AnlegenKnopf;
    QTest::mouseClick(speichern, Qt::LeftButton);
    EXPECT_FALSE(a.fenster->schreibtGerade());
    QTest::keyClick(speichern, Qt::Key_Escape);
    EXPECT_TRUE(a.fenster->isVisible()) << "kept when the user says no";
    EXPECT_EQ(fragen.size(), 2);

    verwerfen = true;
    QTest::mouseClick(speichern, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return a.fenster->Leiste->StartenKnopf->isVisible(); }, 20000));
    EXPECT_EQ(fragen.size(), 3);
    EXPECT_EQ(a.auftrag(), "Spiele/Tiere | 1366x768 | je Runde 0 | Querformat 4:3, zugeschnitten | ersetzt | "
                           "01a.jpg↔= | 03a.jpg↔=");
    EXPECT_TRUE(a.auftraege.back().TexteVorlesen);
    EXPECT_EQ(a.auftraege.back().Sprachen, spiel.Sprachen);
}

// 25 photos fill a board with empty places; "Je Runde 8 Paare" chooses the board for 8, and the
// writer is given all 25 pairs with 8 per round. A change not yet saved is not what "Spiel
// starten" would start.
TEST(NeuesSpielFenster, aSubsetPerRoundIsWhatIsWritten)
{
    Aufbau a;
    ASSERT_TRUE(a.aktiv);
    QStringList fotos;
    for (int i = 0; i < 25; ++i)
        fotos += a.foto(QStringLiteral("Klasse/%1.jpg").arg(i), jpeg(QColor::fromHsv(i * 14, 200, 200), 6, 8));
    a.fenster->fuegeHinzu(fotos);
    ASSERT_TRUE(a.gelesen());
    EXPECT_EQ(a.fenster->Brett->text().toStdString(),
              "25 Paare → 8 × 7 Felder, 6 bleiben frei, je bis zu 69 × 92 Pixel auf diesem Bildschirm");
    EXPECT_FALSE(a.fenster->JeRundeAnzahl->isEnabled());
    a.fenster->JeRunde->setFocus();
    QTest::keyClick(a.fenster->JeRunde, Qt::Key_Space);
    ASSERT_TRUE(a.fenster->JeRundeAnzahl->isEnabled());
    EXPECT_EQ(a.fenster->JeRundeAnzahl->value(), 8);
    EXPECT_EQ(a.fenster->JeRundeAnzahl->maximum(), 25);
    ASSERT_TRUE(a.gelesen());
    EXPECT_TRUE(a.fenster->Brett->text().startsWith("Je Runde 8 von 25 Paaren → ")) << a.fenster->Brett->text().toStdString();

    // "Texte vorlesen" says beside it, asked once, when the desktop cannot speak.
    int gefragt = 0;
    const QString mangel = QStringLiteral("Keine Sprachausgabe gefunden: kein Sprachmodul.");
    a.fenster->setzeSprachpruefung([&] { return ++gefragt, mangel; });
    for (const bool an : {true, false, true}) {
        QTest::mouseClick(a.fenster->Vorlesen, Qt::LeftButton);
        EXPECT_EQ(a.fenster->VorlesenHinweis->isVisible(), an);
    }
    EXPECT_EQ(a.fenster->VorlesenHinweis->text(), mangel);
    EXPECT_EQ(gefragt, 1);

    ASSERT_FALSE(a.schreibeUndStarte().isEmpty()) << a.fenster->Leiste->Status->text().toStdString();
    ASSERT_EQ(a.auftraege.size(), 1u);
    EXPECT_TRUE(a.auftraege[0].TexteVorlesen);
    EXPECT_EQ(a.auftraege[0].Sprachen, Vorlesesprachen());
    EXPECT_EQ(a.auftraege[0].JeRunde, 8);
    EXPECT_EQ(a.auftraege[0].Paare.size(), 25u);
    QTest::mouseClick(a.fenster->JeRunde, Qt::LeftButton);
    EXPECT_FALSE(a.fenster->Leiste->StartenKnopf->isVisible() || a.fenster->Leiste->DruckenKnopf->isVisible());

    // Long names too small on the board: the line says so, and its button takes the suggestion.
    // Neither the line nor the button moves a control.
    ASSERT_TRUE(a.gelesen());
    const std::vector<QRect> lage = a.lage();
    QStringList lang;
    for (int i = 0; i < 15; ++i)
        lang += a.foto(QStringLiteral("Klasse/Maximilian Alexander %1.jpg").arg(i), jpeg(Qt::gray, 6, 8));
    a.fenster->fuegeHinzu(lang);
    QTest::mouseClick(a.fenster->Liste->MitNamen, Qt::LeftButton);
    ASSERT_TRUE(a.gelesen());
    ASSERT_TRUE(a.fenster->VorschlagKnopf->isVisible()) << a.fenster->Brett->text().toStdString();
    EXPECT_EQ(a.fenster->VorschlagKnopf->text().toStdString(), "Je Runde 28 Paare");
    EXPECT_EQ(a.lage(), lage);
    QTest::mouseClick(a.fenster->VorschlagKnopf, Qt::LeftButton);
    ASSERT_TRUE(a.gelesen());
    EXPECT_TRUE(a.fenster->JeRunde->isChecked());
    EXPECT_EQ(a.fenster->JeRundeAnzahl->value(), 28);
    EXPECT_FALSE(a.fenster->VorschlagKnopf->isVisible() || a.fenster->Brett->text().contains('\n'));
    EXPECT_EQ(a.lage(), lage);
}

// A list of pairs: a refused list changes nothing; a list loaded, its second cards changed in the
// table (a kind chosen and a text typed, a photo picked, a photo dropped) is what the writer gets.
TEST(NeuesSpielFenster, aPairListIsWrittenAsChangedInTheTable)
{
    Aufbau a;
    ASSERT_TRUE(a.aktiv);
    for (const char* foto : {"Tiere/Hund.jpg", "Tiere/Katze.jpg", "Tiere/Maus.jpg", "Tiere/Maus hinten.jpg"})
        a.foto(foto, jpeg(Qt::red, 40, 30));
    const QString hund = a.foto("Tiere/Hund hinten.jpg", jpeg(Qt::cyan, 40, 30));
    const QString maus = a.foto("Tiere/Maus vorn.jpg", jpeg(Qt::magenta, 40, 30));
    const QString falsch = a.foto("Tiere/falsch.csv", "Hund.jpg;Wauwau;zu viel\n");
    const QString liste = a.foto("Tiere/Tiere.csv", "# Tiere und Rechnen\nHund.jpg;Wauwau\nKatze.jpg\n"
                                                    "3 + 4;7\nMaus.jpg;Maus hinten.jpg\n");
    QStringList listen{falsch, liste};
    a.fenster->setzeListenwahl([&](const QString&) { return listen.takeFirst(); });
    Paarlistenfeld& feld = *a.fenster->Liste;

    QTest::mouseClick(feld.ListeLadenKnopf, Qt::LeftButton);
    EXPECT_TRUE(a.fenster->Leiste->Status->text().contains("Zeile 1")) << a.fenster->Leiste->Status->text().toStdString();
    EXPECT_EQ(feld.Modell->rowCount(), 0);
    QTest::mouseClick(feld.ListeLadenKnopf, Qt::LeftButton);
    ASSERT_TRUE(a.gelesen());
    ASSERT_EQ(feld.Modell->rowCount(), 4);
    EXPECT_EQ(a.fenster->Leiste->Spielname->text().toStdString(), "Tiere");
    // Its first line read as a pair: taken out as a header, and back before the others.
    ASSERT_TRUE(feld.Listenkopf->isVisible());
    EXPECT_FALSE(feld.Listenkopf->isChecked());
    QTest::mouseClick(feld.Listenkopf, Qt::LeftButton);
    EXPECT_EQ(s(a.spalte(Paarlistenmodell::SpalteDatei)), s({"Katze.jpg", "", "Maus.jpg"}));
    QTest::mouseClick(feld.Listenkopf, Qt::LeftButton);
    EXPECT_EQ(s(a.spalte(Paarlistenmodell::SpalteDatei)), s({"Hund.jpg", "Katze.jpg", "", "Maus.jpg"}));
    ASSERT_TRUE(a.gelesen());

    // Katze's second card: from the same photo to a typed text, by keys.
    QTableView* tabelle = feld.Tabelle;
    tabelle->setFocus();
    tabelle->setCurrentIndex(feld.Modell->index(1, Paarlistenmodell::SpalteArt));
    QTest::keyClick(tabelle, Qt::Key_F2);
    auto* wahl = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_TRUE(wahl) << "the kind is chosen in a list";
    QTest::keyClick(wahl, Qt::Key_End);
    QApplication::processEvents();
    tabelle->setCurrentIndex(feld.Modell->index(1, Paarlistenmodell::SpalteZweite));
    QTest::keyClick(tabelle, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_TRUE(qobject_cast<QLineEdit*>(editor)) << "the text is being edited";
    QTest::keyClicks(editor, "Mieze");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();

    // Hund's second card: a photo picked in the dialog; Maus's: a photo dropped onto it.
    a.fenster->setzeDateiwahl([&](const QString&) { return QStringList{hund}; });
    tabelle->setCurrentIndex(feld.Modell->index(0, Paarlistenmodell::SpalteName));
    QTest::mouseClick(feld.FotoWaehlenKnopf, Qt::LeftButton);
    const QRect zelle = tabelle->visualRect(feld.Modell->index(3, Paarlistenmodell::SpalteZweite));
    a.lassFallen({maus}, tabelle->viewport()->mapTo(a.fenster.get(), zelle.center()));

    // "Ton…": the dialog offers the second card only where it is one of its own; a file chosen in it
    // is the card's sound, and the list's sound column names it.
    const QString bellen = a.foto("Tiere/bellen.wav", neuspielbilder::wav(0.5));
    const QString sieben = a.foto("Tiere/sieben.wav", neuspielbilder::wav(0.5, 300));
    {
        Tonwahl dialog(feld.liste().zeile(1));
        EXPECT_TRUE(dialog.ZweiteKarte->isEnabled());
        dialog.setzeDateiwahl([&](const QString&) { return bellen; });
        QTest::mouseClick(dialog.DateiKnopf, Qt::LeftButton);
        EXPECT_EQ(dialog.Datei->text().toStdString(), "bellen.wav");
        EXPECT_EQ(dialog.auswahl().Ton.Pfad, bellen);
        QTest::mouseClick(dialog.EntfernenKnopf, Qt::LeftButton);
        EXPECT_TRUE(dialog.auswahl().Ton.Pfad.isEmpty());
    }
    std::vector<Tonauswahl> toene{{false, {bellen, {}}}, {true, {sieben, "sieben"}}};
    feld.setzeTonwahl([&](const Paarzeile&) {
        const Tonauswahl t = toene.front();
        toene.erase(toene.begin());
        return std::optional(t);
    });
    for (const int zeile : {0, 2}) {
        tabelle->setCurrentIndex(feld.Modell->index(zeile, Paarlistenmodell::SpalteFoto));
        QTest::mouseClick(feld.TonKnopf, Qt::LeftButton);
    }
    EXPECT_FALSE(tabelle->isColumnHidden(Paarlistenmodell::SpalteTon));
    EXPECT_EQ(s(a.spalte(Paarlistenmodell::SpalteTon)), s({"♪ 1: bellen", "", "♪ 2: sieben", ""}));

    ASSERT_TRUE(a.gelesen());
    ASSERT_FALSE(a.schreibeUndStarte().isEmpty()) << a.fenster->Leiste->Status->text().toStdString();
    EXPECT_EQ(a.auftrag(), "Spiele/Tiere | 1366x768 | je Runde 0 | automatisch | neu | Hund.jpg+bellen.wav↔Hund hinten.jpg | "
                           "Katze.jpg↔'Mieze' | '3 + 4'↔'7'+sieben.wav | Maus.jpg↔Maus vorn.jpg");
}
