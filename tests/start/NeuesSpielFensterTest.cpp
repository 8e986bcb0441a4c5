#include "start/NeuesSpielFenster.h"

#include "neuesspiel/Spielschreiber.h"
#include "platform/Nutzerkonfiguration.h"
#include "support/MeldungsRecorder.h"

#include "../neuesspiel/Neuspielbilder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

using namespace neuspielbilder;

namespace {

// The window on a 1366 x 768 screen, its games folder and config in a temporary folder.
struct Aufbau {
    Aufbau()
    {
        Nutzerkonfiguration vorher(tmp.filePath("paarlix.conf"));
        vorher.setzeWert(SpieleordnerSchluessel, tmp.filePath("Spiele"));
        vorher.speichere();
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
        const bool fertig = QTest::qWaitFor([this] {
            return fenster->offeneVorschauen() == 0 && !fenster->Brett->text().startsWith("Spielfeld wird berechnet");
        }, 10000);
        // The window's own update after the last of them.
        QApplication::processEvents();
        return fertig;
    }
    void lassFallen(const QStringList& pfade)
    {
        QMimeData daten;
        QList<QUrl> urls;
        for (const QString& p : pfade)
            urls += QUrl::fromLocalFile(p);
        daten.setUrls(urls);
        const QPointF mitte = QRectF(fenster->rect()).center();
        QDragEnterEvent hinein(mitte.toPoint(), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fenster.get(), &hinein);
        ASSERT_TRUE(hinein.isAccepted());
        QDropEvent fallen(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fenster.get(), &fallen);
    }
    // Types a name into a row as a person does: F2 on the row, the text, Enter.
    void tippe(int zeile, const QString& name)
    {
        QTableWidget* liste = fenster->Liste;
        liste->setFocus();
        liste->setCurrentCell(zeile, NeuesSpielFenster::SpalteName);
        QTest::keyClick(liste, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_TRUE(qobject_cast<QLineEdit*>(editor) && liste->isAncestorOf(editor)) << "the name is being edited";
        qobject_cast<QLineEdit*>(editor)->selectAll();
        QTest::keyClicks(editor, name);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits the text once the key has been handled.
        QApplication::processEvents();
    }
    QStringList spalte(int s) const
    {
        QStringList texte;
        for (int z = 0; z < fenster->Liste->rowCount(); ++z)
            texte += fenster->Liste->item(z, s)->text();
        return texte;
    }

    QTemporaryDir tmp;
    bool aktiv = false;
    std::unique_ptr<Nutzerkonfiguration> konfiguration;
    MeldungsRecorder meldungen;
    std::unique_ptr<NeuesSpielFenster> fenster;
};

std::string s(const QStringList& l) { return l.join(" | ").toStdString(); }

} // namespace

// Photos come through the file dialog and by a drop of files and folders, in order: names
// from the file names, camera names left empty, thumbnails upright, the game named after
// the first photos' folder; unreadable files and repeats are named and left out.
TEST(NeuesSpielFenster, photosArriveThroughTheDialogAndADrop)
{
    Aufbau a;
    const QString img = a.foto("Familie/IMG_2041.jpg", jpeg(Qt::red, 120, 90, 6));
    const QString oma = a.foto("Familie/Oma Erna.jpg", jpeg(Qt::green, 120, 90));
    const QString kaputt = a.foto("Familie/kaputt.jpg", QByteArray("\xFF\xD8\xFF\xE0 kein JPEG", 15));
    const QString notiz = a.foto("Familie/notiz.txt", "Text");
    a.foto("Mehr/Zoe 10.jpg", jpeg(Qt::blue, 40, 30));
    a.foto("Mehr/Zoe 9.jpg", jpeg(Qt::blue, 40, 30));
    a.foto("Mehr/DSC01234.jpg", jpeg(Qt::yellow, 40, 30));
    a.foto("Mehr/Ben.png", pngHalbDurchsichtig(Qt::blue, 40, 30));
    a.foto("Mehr/liesmich.txt", "Text");
    QString start;
    a.fenster->setzeDateiwahl([&](const QString& ordner) {
        start = ordner;
        return QStringList{img, oma, kaputt, notiz, oma};
    });

    QTest::mouseClick(a.fenster->HinzufuegenKnopf, Qt::LeftButton);
    ASSERT_TRUE(a.gelesen());
    EXPECT_FALSE(start.isEmpty());
    EXPECT_EQ(a.fenster->fotos(), (QStringList{img, oma}));
    EXPECT_EQ(s(a.fenster->namen()), s({"", "Oma Erna"}));
    EXPECT_EQ(a.fenster->Spielname->text().toStdString(), "Familie");
    const QString ausgelassen = a.fenster->Ausgelassen->text();
    for (const char* teil : {"Oma Erna.jpg (schon in der Liste)", "kaputt.jpg (JPEG-Fehlernr.", "notiz.txt (kein bekanntes Bildformat)"})
        EXPECT_TRUE(ausgelassen.contains(QString::fromUtf8(teil))) << ausgelassen.toStdString();
    const QIcon hochkant = a.fenster->Liste->item(0, NeuesSpielFenster::SpalteFoto)->icon();
    ASSERT_FALSE(hochkant.isNull());
    EXPECT_EQ(hochkant.pixmap(64).size(), QSize(48, 64)) << "turned upright by its EXIF tag";

    a.lassFallen({a.tmp.filePath("Mehr")});
    ASSERT_TRUE(a.gelesen());
    EXPECT_EQ(s(a.fenster->namen()), s({"", "Oma Erna", "Ben", "", "Zoe 9", "Zoe 10"}));
    EXPECT_EQ(a.fenster->Spielname->text().toStdString(), "Familie");
    for (int z = 0; z < a.fenster->Liste->rowCount(); ++z)
        EXPECT_FALSE(a.fenster->Liste->item(z, NeuesSpielFenster::SpalteFoto)->icon().isNull()) << z;

    // Keys reorder and remove.
    a.fenster->Liste->setFocus();
    a.fenster->Liste->setCurrentCell(2, NeuesSpielFenster::SpalteName);
    QTest::keyClick(a.fenster->Liste, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(a.fenster->Liste, Qt::Key_Delete);
    QTest::mouseClick(a.fenster->RunterKnopf, Qt::LeftButton);
    EXPECT_EQ(s(a.fenster->namen()), s({"", "", "Oma Erna", "Zoe 9", "Zoe 10"}));
}

// The board line follows the count; a count with no good board says which counts work
// and keeps "Spiel anlegen" off.
TEST(NeuesSpielFenster, theBoardLineFollowsTheCount)
{
    Aufbau a;
    const struct {
        int fotos;
        const char* text;
        bool anlegen;
    } faelle[] = {
        {0, "Noch keine Fotos.", false},
        {1, "1 Foto – für ein Spiel werden mindestens 2 gebraucht.", false},
        {2, "2 Paare → 2 × 2 Karten, je 308 × 231 Pixel auf diesem Bildschirm", true},
        {15, "15 Paare → 5 × 6 Karten, je 116 × 87 Pixel auf diesem Bildschirm", true},
        {17, "17 Fotos ergeben 34 Karten", false},
        {20, "20 Paare → 5 × 8 Karten, je 104 × 78 Pixel auf diesem Bildschirm", true},
    };
    int da = 0;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fotos);
        QStringList neu;
        for (; da < f.fotos; ++da)
            neu += a.foto(QStringLiteral("Fotos/Foto %1.jpg").arg(da + 1), jpeg(QColor::fromHsv(da * 20 % 360, 200, 200), 40, 30));
        a.fenster->fuegeHinzu(neu);
        ASSERT_TRUE(a.gelesen());
        EXPECT_TRUE(a.fenster->Brett->text().startsWith(QString::fromUtf8(f.text))) << a.fenster->Brett->text().toStdString();
        EXPECT_EQ(a.fenster->AnlegenKnopf->isEnabled(), f.anlegen);
    }
}

// Missing and equal names are marked and asked for before anything is written; "Abbrechen"
// leaves nothing; then "Spiel anlegen" writes what the writer of `paarlix --neues-spiel`
// writes, announces the folder and remembers the games folder.
TEST(NeuesSpielFenster, namesAreAskedForThenTheGameIsWrittenAsTheCommandLineWould)
{
    Aufbau a;
    ASSERT_TRUE(a.aktiv);
    const QStringList fotos{a.foto("Fotos/IMG_0001.jpg", jpeg(Qt::red, 40, 30)),
                            a.foto("Fotos/Ben.jpg", jpeg(Qt::green, 40, 30)),
                            a.foto("Fotos/Oma.jpg", jpeg(Qt::blue, 30, 40, 6))};
    a.fenster->fuegeHinzu(fotos);
    ASSERT_TRUE(a.gelesen());
    EXPECT_EQ(s(a.spalte(NeuesSpielFenster::SpalteHinweis)), s({"Name fehlt", "", ""}));

    a.tippe(0, "ben");
    EXPECT_EQ(s(a.spalte(NeuesSpielFenster::SpalteHinweis)), s({"Name doppelt", "Name doppelt", ""}));
    ASSERT_TRUE(a.fenster->AnlegenKnopf->isEnabled());
    QTest::mouseClick(a.fenster->AnlegenKnopf, Qt::LeftButton);
    ASSERT_EQ(a.meldungen.eintraege.size(), 1u);
    EXPECT_TRUE(a.meldungen.eintraege[0].text.startsWith("Der Name „ben“ steht mehrmals in der Liste."));
    EXPECT_FALSE(a.fenster->schreibtGerade());

    a.tippe(0, "Anna");
    EXPECT_EQ(s(a.spalte(NeuesSpielFenster::SpalteHinweis)), s({"", "", ""}));
    QSignalSpy angelegt(a.fenster.get(), &NeuesSpielFenster::spielAngelegt);
    // "Abbrechen" right away: the writer stops before its first picture and leaves nothing.
    QTest::mouseClick(a.fenster->AnlegenKnopf, Qt::LeftButton);
    ASSERT_TRUE(a.fenster->AbbrechenKnopf->isVisible());
    QTest::mouseClick(a.fenster->AbbrechenKnopf, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !a.fenster->schreibtGerade(); }, 20000));
    EXPECT_EQ(a.fenster->Status->text().toStdString(), "Abgebrochen. Es wurde nichts geschrieben.");
    EXPECT_EQ(s(QDir(a.tmp.filePath("Spiele")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)), "");
    EXPECT_EQ(angelegt.size(), 0);
    EXPECT_EQ(a.meldungen.eintraege.size(), 1u) << "no box for a cancel";

    QTest::mouseClick(a.fenster->AnlegenKnopf, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return angelegt.size() == 1; }, 20000)) << a.fenster->Status->text().toStdString();
    const QString ziel = a.tmp.filePath("Spiele/Fotos");
    EXPECT_EQ(angelegt[0][0].toString(), ziel);
    EXPECT_EQ(Nutzerkonfiguration(a.tmp.filePath("paarlix.conf")).wert(SpieleordnerSchluessel),
              a.tmp.filePath("Spiele"));

    NeuesSpiel auftrag{a.tmp.filePath("Befehlszeile"), fotos, true};
    auftrag.Namen = QStringList{"Anna", "Ben", "Oma"};
    const Schreibergebnis ergebnis = schreibeNeuesSpiel(auftrag);
    ASSERT_EQ(ergebnis.Art, Schreibergebnis::Ausgang::Geschrieben) << ergebnis.Meldung.toStdString();
    const QStringList dateien = QDir(ziel).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(dateien, QDir(auftrag.Ziel).entryList(QDir::Files, QDir::Name));
    for (const QString& datei : dateien)
        EXPECT_EQ(lies(ziel + "/" + datei), lies(auftrag.Ziel + "/" + datei)) << datei.toStdString();
}
