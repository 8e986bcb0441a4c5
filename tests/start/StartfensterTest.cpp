#include "start/NeuesSpielFenster.h"
#include "board/Spielauswahl.h"
#include "start/Startablauf.h"
#include "start/Startfenster.h"
#include "start/Paarlistenmodell.h"
#include "start/Weitergabeablauf.h"

#include "board/Einstellungsvorlage.h"
#include "neuesspiel/Entwurf.h"
#include "neuesspiel/Spielschreiber.h"
#include "platform/Nutzerkonfiguration.h"
#include "support/MeldungsRecorder.h"
#include "Druckschritte.h"

#include "../neuesspiel/Neuspielbilder.h"

#include <QDir>
#include <QLabel>
#include <QListView>
#include <QRegularExpression>
#include <QTableView>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace neuspielbilder;

namespace {

// A game folder with a board of spalten x zeilen cards and a first picture.
QString legeSpielAn(const QTemporaryDir& tmp, const QString& name, int spalten, int zeilen)
{
    const QString ordner = tmp.filePath(name);
    QDir().mkpath(ordner);
    schreibe(ordner + "/Paarlix.ini", einstellungsTextMitBrett(spalten, zeilen).toUtf8());
    schreibe(ordner + "/01a.jpg", jpeg(Qt::red, 120, 90));
    return ordner;
}

QStringList zeilen(const QListView* liste)
{
    QStringList texte;
    for (int i = 0; i < liste->model()->rowCount(); ++i)
        texte += liste->model()->index(i, 0).data().toString();
    return texte;
}

QVariant eintrag(const QListView* liste, int zeile, int rolle) { return liste->model()->index(zeile, 0).data(rolle); }

std::string s(const QStringList& l) { return l.join(" | ").toStdString(); }

// The visible top-level window of type T, or null.
template <typename T>
T* sichtbar()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible())
            return t;
    return nullptr;
}

} // namespace

// The last games: newest first, at most ten, each folder once, folders without a game
// dropped; the list shows name and board with the first card, Enter starts the current one.
TEST(Startfenster, lastGamesAreListedNewestFirstAndEnterStartsOne)
{
    QTemporaryDir tmp;
    Nutzerkonfiguration konfiguration(tmp.filePath("paarlix.conf"));
    QStringList ordner;
    // A line break in a folder's name is shown, not obeyed.
    for (int i = 1; i <= 12; ++i)
        ordner += legeSpielAn(tmp, QString(i == 3 ? "Spiel\n%1" : "Spiel %1").arg(i), 4, 2);
    for (const QString& o : ordner)
        ASSERT_TRUE(merkeSpiel(konfiguration, o));
    ASSERT_TRUE(merkeSpiel(konfiguration, ordner[5] + "/"));
    QDir(ordner[11]).removeRecursively();
    QFile::remove(ordner[10] + "/Paarlix.ini");

    const QStringList erwartet{ordner[5], ordner[9], ordner[8], ordner[7], ordner[6], ordner[4], ordner[3], ordner[2]};
    EXPECT_EQ(s(letzteSpiele(Nutzerkonfiguration(tmp.filePath("paarlix.conf")))), s(erwartet));

    MeldungsRecorder meldungen;
    Startfenster fenster(konfiguration, meldungen);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    EXPECT_EQ(s(zeilen(fenster.LetzteSpiele)),
              s({"Spiel 6 – 4 × 2 Karten", "Spiel 10 – 4 × 2 Karten", "Spiel 9 – 4 × 2 Karten",
                 "Spiel 8 – 4 × 2 Karten", "Spiel 7 – 4 × 2 Karten", "Spiel 5 – 4 × 2 Karten",
                 "Spiel 4 – 4 × 2 Karten", "Spiel\\x0A3 – 4 × 2 Karten"}));
    EXPECT_EQ(eintrag(fenster.LetzteSpiele, 7, Qt::ToolTipRole).toString().count('\n'), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return eintrag(fenster.LetzteSpiele, 0, Qt::DecorationRole).isValid(); }, 5000))
        << "first card shown";

    QSignalSpy gewaehlt(&fenster, &Startfenster::spielGewaehlt);
    fenster.LetzteSpiele->setFocus();
    QTest::keyClick(fenster.LetzteSpiele, Qt::Key_Down);
    QTest::keyClick(fenster.LetzteSpiele, Qt::Key_Return);
    ASSERT_EQ(gewaehlt.size(), 1);
    EXPECT_EQ(gewaehlt[0][0].toString().toStdString(), ordner[9].toStdString());

    QSignalSpy geschlossen(&fenster, &Startfenster::geschlossen);
    QTest::keyClick(&fenster, Qt::Key_Escape);
    EXPECT_EQ(geschlossen.size(), 1);
    EXPECT_FALSE(fenster.isVisible());
}

// "Spiel öffnen…" names a folder without a game and offers the dialog again; a game
// folder is chosen and remembered as the last folder; a cancel chooses nothing.
// "Beispielspiel" writes the demo game once and chooses it; on a full disk it says so in one
// short message naming the folder, and the half-written folder is no game. Opening the window
// clears the draft a killed writer left in the games folder and puts back a last game elsewhere
// whose save without an exchange was killed between its two renames.
TEST(Startfenster, openAsksAgainForAFolderWithoutAGameAndTheDemoIsWrittenOnce)
{
    QTemporaryDir tmp;
    Nutzerkonfiguration konfiguration(tmp.filePath("paarlix.conf"));
    const QString spiel = legeSpielAn(tmp, "Familie", 4, 2);
    const QString leer = tmp.filePath("Leer");
    QDir().mkpath(leer);
    QStringList antworten{leer, spiel, ""};
    konfiguration.setzeWert(SpieleordnerSchluessel, tmp.filePath("Spiele"));
    QDir().mkpath(tmp.filePath("Spiele/.fotos-Ab12Cd"));
    schreibe(tmp.filePath("Spiele/.fotos-Ab12Cd/") + Entwurfssperre, "");
    const QTemporaryDir stick;
    const QString ausflug = legeSpielAn(stick, "Ausflug", 4, 2);
    ASSERT_TRUE(merkeSpiel(konfiguration, ausflug));
    const pid_t kind = fork();
    if (kind == 0) {
        Entwurf entwurf;
        entwurf.legeAn(stick.path(), "Ausflug");
        entwurf.ersetze(ausflug, [](auto&, auto&) { return errno = EINVAL, -1; }, [&](const QByteArray& a, auto& b) {
            return a == QFile::encodeName(entwurf.pfad()) ? raise(SIGKILL) : benenneOrdnerUm(a, b);
        });
        _exit(0);
    }
    int status = 0;
    ASSERT_TRUE(waitpid(kind, &status, 0) == kind && WIFSIGNALED(status) && !QFileInfo::exists(ausflug));
    MeldungsRecorder meldungen;
    Startfenster fenster(konfiguration, meldungen);
    EXPECT_FALSE(QFileInfo::exists(tmp.filePath("Spiele/.fotos-Ab12Cd")));
    EXPECT_EQ(s(zeilen(fenster.LetzteSpiele)), s({"Ausflug – 4 × 2 Karten"}));
    fenster.setzeOrdnerwahl([&](const QString&) { return antworten.takeFirst(); });
    fenster.setzeBeispielordner(tmp.filePath("daten/Beispielspiel"));
    fenster.show();
    QSignalSpy gewaehlt(&fenster, &Startfenster::spielGewaehlt);

    QTest::mouseClick(fenster.OeffnenKnopf, Qt::LeftButton);
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].text, "In „" + leer + "“ liegt kein Paarlix-Spiel.");
    ASSERT_EQ(gewaehlt.size(), 1);
    EXPECT_EQ(gewaehlt[0][0].toString(), spiel);
    EXPECT_EQ(Nutzerkonfiguration(tmp.filePath("paarlix.conf")).wert("Spielordner/zuletzt"), spiel);
    QTest::mouseClick(fenster.OeffnenKnopf, Qt::LeftButton);
    EXPECT_EQ(gewaehlt.size(), 1);

    qsizetype platz = 200000;
    fenster.setzeDateischreiber([&](const QString& pfad, const QByteArray& daten) {
        platz -= daten.size();
        return platz < 0 ? ENOSPC : schreibeDateiGanz(pfad, daten);
    });
    QTest::mouseClick(fenster.BeispielKnopf, Qt::LeftButton);
    EXPECT_EQ(gewaehlt.size(), 1);
    ASSERT_EQ(meldungen.eintraege.size(), 2u);
    EXPECT_EQ(meldungen.eintraege[1].text.toStdString(),
              ("Das Beispielspiel kann nicht angelegt werden.\nIn „" + tmp.filePath("daten/Beispielspiel")
               + "“ kann nicht geschrieben werden: Auf dem Datenträger ist kein Platz mehr.")
                  .toStdString());
    EXPECT_FALSE(istSpielordner(tmp.filePath("daten/Beispielspiel")));

    fenster.setzeDateischreiber(schreibeDateiGanz);
    QTest::mouseClick(fenster.BeispielKnopf, Qt::LeftButton);
    ASSERT_EQ(gewaehlt.size(), 2);
    EXPECT_EQ(gewaehlt[1][0].toString(), tmp.filePath("daten/Beispielspiel"));
    EXPECT_TRUE(QFile::exists(tmp.filePath("daten/Beispielspiel/15b.jpg")));
    QFile::remove(tmp.filePath("daten/Beispielspiel/15b.jpg"));
    QTest::mouseClick(fenster.BeispielKnopf, Qt::LeftButton);
    EXPECT_EQ(gewaehlt.size(), 3);
    EXPECT_FALSE(QFile::exists(tmp.filePath("daten/Beispielspiel/15b.jpg"))) << "written once";
    EXPECT_EQ(meldungen.eintraege.size(), 2u);
}

// The lines of a settings file but the board's, which follows the pair count.
QStringList ohneBrett(const QString& pfad)
{
    return QString::fromUtf8(lies(pfad)).split('\n').filter(QRegularExpression("^(?!\\d+,\\d+$)"));
}

// From the start window to the new-game window and back; "Spiel bearbeiten…" opens the last
// game with its pairs (a folder without a game is named instead), one is removed and "Speichern" replaces the game, which keeps its
// settings; closing the saved window asks nothing. "Beispielspiel" then plays the demo game
// from the user's data folder; after it the start window is back, the demo first among the
// last games, and closing it ends.
TEST(Startablauf, startWindowLeadsToTheNewGameWindowToEditingAndBackThenToTheDemoAndBack)
{
    QTemporaryDir tmp;
    const QByteArray datenVorher = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.filePath("daten")));
    Nutzerkonfiguration konfiguration(tmp.filePath("paarlix.conf"));
    const QString spiel = tmp.filePath("Farben");
    QStringList fotos;
    for (const QColor farbe : {Qt::red, Qt::green, Qt::blue}) {
        fotos += tmp.filePath(farbe.name() + ".jpg");
        schreibe(fotos.back(), jpeg(farbe, 40, 30));
    }
    ASSERT_EQ(schreibeNeuesSpiel({spiel, fotos}).status(), 0);
    // A line the writer does not choose.
    schreibe(spiel + "/Paarlix.ini", "# Für die Klasse 2b\n" + lies(spiel + "/Paarlix.ini"));
    const QStringList einstellungen = ohneBrett(spiel + "/Paarlix.ini");
    ASSERT_TRUE(merkeSpiel(konfiguration, spiel));
    MeldungsRecorder meldungen;
    QStringList schritte;
    QTimer::singleShot(0, [&] {
        Startfenster* start = sichtbar<Startfenster>();
        if (!start)
            return;
        schritte += "Startfenster";
        QTest::mouseClick(start->NeuesSpielKnopf, Qt::LeftButton);
        if (NeuesSpielFenster* neu = sichtbar<NeuesSpielFenster>(); neu && !start->isVisible()) {
            schritte += "Neues Spiel";
            neu->close();
        }
        QTimer::singleShot(0, [&, start] {
            if (!start->isVisible() || sichtbar<NeuesSpielFenster>())
                return void(start->close());
            schritte += "zurück";
            // Without a chosen last game the folder dialog asks; a folder without a game is named.
            start->setzeOrdnerwahl([&](const QString&) { return tmp.path(); });
            start->LetzteSpiele->setCurrentIndex({});
            QTest::mouseClick(start->BearbeitenKnopf, Qt::LeftButton);
            if (meldungen.eintraege.size() == 1 && start->isVisible() && !sichtbar<NeuesSpielFenster>())
                schritte += "kein Spiel";
            start->LetzteSpiele->setCurrentIndex(start->LetzteSpiele->model()->index(0, 0));
            QTest::mouseClick(start->BearbeitenKnopf, Qt::LeftButton);
            NeuesSpielFenster* neu = sichtbar<NeuesSpielFenster>();
            if (!neu || !QTest::qWaitFor([neu] { return neu->Leiste->AnlegenKnopf->isEnabled(); }, 10000))
                return void(start->close());
            schritte += neu->windowTitle();
            schritte += QString("%1 Paare").arg(neu->Liste->Modell->rowCount());
            neu->setzeRueckfrage([&](const QString&) {
                schritte += "gefragt";
                return true;
            });
            neu->Liste->Tabelle->setCurrentIndex(neu->Liste->Modell->index(1, 0));
            QTest::mouseClick(neu->Liste->EntfernenKnopf, Qt::LeftButton);
            // The board of the pairs left is computed again first.
            if (!QTest::qWaitFor([neu] { return neu->Leiste->AnlegenKnopf->isEnabled(); }, 10000))
                schritte += "Speichern bleibt aus";
            QTest::mouseClick(neu->Leiste->AnlegenKnopf, Qt::LeftButton);
            if (QTest::qWaitFor([neu] { return neu->Leiste->StartenKnopf->isVisible(); }, 20000))
                schritte += neu->Leiste->AnlegenKnopf->accessibleName();
            neu->close();
            QTimer::singleShot(0, [&, start] {
                if (!start->isVisible() || sichtbar<NeuesSpielFenster>())
                    return void(start->close());
                schritte += "zurück";
                QTest::mouseClick(start->BeispielKnopf, Qt::LeftButton);
            });
        });
    });
    // Ends a run that went astray instead of hanging.
    QTimer::singleShot(40000, [] {
        if (Startfenster* start = sichtbar<Startfenster>())
            start->close();
    });
    QString ordner;
    spieleAbStartfenster(konfiguration, meldungen, [&](const QString& gewaehlt) {
        ordner = gewaehlt;
        schritte += sichtbar<Startfenster>() ? "Startfenster offen" : "gespielt";
        QTimer::singleShot(0, [&] {
            if (Startfenster* start = sichtbar<Startfenster>()) {
                for (const QString& zeile : zeilen(start->LetzteSpiele))
                    schritte += zeile.section(" – ", 0, 0);
                start->close();
            }
        });
    });
    qputenv("XDG_DATA_HOME", datenVorher);
    EXPECT_EQ(s(schritte), s({"Startfenster", "Neues Spiel", "zurück", "kein Spiel", "Spiel „Farben“ bearbeiten", "3 Paare", "Speichern", "zurück", "gespielt", "Beispielspiel", "Farben"}));
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_TRUE(meldungen.eintraege[0].text.startsWith("Im Ordner „" + tmp.path() + "“ ist kein Spiel"))
        << meldungen.eintraege[0].text.toStdString();
    EXPECT_TRUE(QFile::exists(spiel + "/02b.jpg"));
    EXPECT_FALSE(QFile::exists(spiel + "/03a.jpg")) << "one pair less";
    EXPECT_EQ(s(ohneBrett(spiel + "/Paarlix.ini")), s(einstellungen));
    EXPECT_EQ(ordner.toStdString(), tmp.filePath("daten/Paarlix/Beispielspiel").toStdString());
    EXPECT_TRUE(istSpielordner(ordner));
    EXPECT_EQ(s(letzteSpiele(konfiguration)), s({ordner, spiel}));
    EXPECT_EQ(sichtbar<Startfenster>(), nullptr);
}

// "Drucken…" goes through the options, then the preview, whose print writes every page (here
// into a PDF file, which is then named with its folder): in the new-game window once the game
// is written, and in the start window for the chosen last game. "Weitergeben…" beside it asks
// where NAME.paarlix goes, packs it behind a progress window and names the file with its size
// and folder; a cancelled dialog packs nothing.
TEST(Startfenster, printingAndPassingOnTheChosenGameGoThroughTheirSteps)
{
    QStringList gefragt, antworten;
    const auto dateiwahl = [&](const QString& vorschlag) {
        gefragt += QFileInfo(vorschlag).fileName();
        return antworten.takeFirst();
    };
    const auto gibWeiter = [&](QPushButton* knopf, Weitergabeablauf* ablauf) {
        ablauf->setzeDateiwahl(dateiwahl);
        QTest::mouseClick(knopf, Qt::LeftButton);
        const bool gezeigt = ablauf->Fortschritt->isVisible() || !ablauf->laeuft();
        return QTest::qWaitFor([&] { return !ablauf->laeuft(); }, 20000) && gezeigt;
    };
    QTemporaryDir tmp;
    const QStringList fotos{tmp.filePath("Farben/rot.jpg"), tmp.filePath("Farben/blau.jpg")};
    QDir().mkpath(tmp.filePath("Farben"));
    schreibe(fotos[0], jpeg(Qt::red, 160, 120));
    schreibe(fotos[1], jpeg(Qt::blue, 160, 120));
    Nutzerkonfiguration konfiguration(tmp.filePath("paarlix.conf"));
    konfiguration.setzeWert(SpieleordnerSchluessel, tmp.filePath("Spiele"));
    MeldungsRecorder meldungen;
    QString spiel;
    {
        NeuesSpielFenster neu(konfiguration, meldungen);
        neu.show();
        neu.fuegeHinzu(fotos);
        ASSERT_TRUE(QTest::qWaitFor([&] { return neu.Leiste->AnlegenKnopf->isEnabled(); }, 10000));
        QTest::mouseClick(neu.Leiste->AnlegenKnopf, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return neu.Leiste->DruckenKnopf->isVisible(); }, 20000));
        spiel = neu.bearbeitet();
        EXPECT_EQ(s(druckeUeberVorschau(neu.Leiste->DruckenKnopf, tmp.filePath("neu.pdf"))), s({"Optionen", "Vorschau", "Tab", "Druckdialog"}));
        EXPECT_EQ(pdfSeiten(tmp.filePath("neu.pdf")), 1);
        ASSERT_TRUE(neu.Leiste->WeitergebenKnopf->isVisible() && neu.Leiste->WeitergebenKnopf->isEnabled());
        antworten = {tmp.filePath("neu")};
        EXPECT_TRUE(gibWeiter(neu.Leiste->WeitergebenKnopf, neu.Weitergabe));
        ASSERT_EQ(meldungen.eintraege.size(), 2u);
        EXPECT_EQ(meldungen.eintraege[1].art + meldungen.eintraege[1].ordner, "hinweisMitOrdner" + tmp.path());
        EXPECT_EQ(meldungen.eintraege[1].text, gespeichertText(tmp.filePath("neu.paarlix"), QFileInfo(tmp.filePath("neu.paarlix")).size()));
        EXPECT_EQ(gespeichertText("/a/F.paarlix", 14'249'999), "Gespeichert: /a/F.paarlix (14,2 MB)");
    }
    EXPECT_EQ(spiel, tmp.filePath("Spiele/Farben"));
    ASSERT_TRUE(merkeSpiel(konfiguration, spiel));
    Startfenster fenster(konfiguration, meldungen);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));

    const QString pdf = tmp.filePath("druck.pdf");
    EXPECT_EQ(s(druckeUeberVorschau(fenster.DruckenKnopf, pdf)), s({"Optionen", "Vorschau", "Tab", "Druckdialog"}));
    ASSERT_EQ(meldungen.eintraege.size(), 3u);
    EXPECT_EQ(meldungen.eintraege[2].art + meldungen.eintraege[2].ordner, "hinweisMitOrdner" + tmp.path());
    EXPECT_EQ(meldungen.eintraege[2].text, "Die Karten sind als PDF-Datei gespeichert:\n" + pdf);
    EXPECT_EQ(pdfSeiten(pdf), 1);

    antworten = {"", tmp.filePath("Spiele/F.paarlix")};
    EXPECT_TRUE(gibWeiter(fenster.WeitergebenKnopf, fenster.Weitergabe));
    EXPECT_EQ(meldungen.eintraege.size(), 3u) << "cancelled";
    EXPECT_TRUE(gibWeiter(fenster.WeitergebenKnopf, fenster.Weitergabe));
    ASSERT_EQ(meldungen.eintraege.size(), 4u);
    EXPECT_EQ(meldungen.eintraege[3].art + meldungen.eintraege[3].ordner, "hinweisMitOrdner" + tmp.filePath("Spiele"));
    EXPECT_TRUE(QFileInfo(tmp.filePath("Spiele/F.paarlix")).size() > 0);
    // "Abbrechen" in the progress window reaches the packer, and nothing is said.
    antworten = {tmp.filePath("G.paarlix")};
    fenster.Weitergabe->setzePacker([](const Weitergabeauftrag& auftrag) {
        while (!auftrag.Abgebrochen())
            QThread::msleep(5);
        Weitergabeergebnis abgebrochen;
        abgebrochen.Art = Weitergabeergebnis::Ausgang::Abgebrochen;
        return abgebrochen;
    });
    QTimer::singleShot(50, fenster.Weitergabe->Fortschritt, [&] {
        QTest::mouseClick(fenster.Weitergabe->Fortschritt->findChild<QPushButton*>(), Qt::LeftButton);
    });
    EXPECT_TRUE(gibWeiter(fenster.WeitergebenKnopf, fenster.Weitergabe));
    EXPECT_EQ(meldungen.eintraege.size(), 4u);
    EXPECT_EQ(s(gefragt), s({"Farben.paarlix", "Farben.paarlix", "Farben.paarlix", "Farben.paarlix"}));
}
