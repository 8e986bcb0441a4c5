#include "support/Testfenster.h"

#include "widgets/TLabel.h"
#include "widgets/TPanel.h"
#include "support/Spielordner.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <new>

namespace {

// Counts the close events that reach a window.
class Schliesszaehler final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Close)
            ++anzahl;
        return false;
    }
    int anzahl = 0;
};

// Records the boxes, but an error box cannot be built, as when memory has run out.
class ErschoepfteMeldungen final : public Meldungen {
public:
    void fehler(const QString&) override { throw std::bad_alloc(); }
    void warnung(const QString& text) override { recorder.warnung(text); }
    void hinweis(const QString& text) override { recorder.hinweis(text); }
    void programmfehler(const QString& text) override { recorder.programmfehler(text); }
    MeldungsRecorder recorder;
};

QStringList werteMit(int nummer, const QString& wert)
{
    QStringList w = standardWerte();
    w[nummer - 1] = wert;
    return w;
}

} // namespace

// A settings error is reported at once as an error box; the window stays open until its first
// activation, closes there and builds nothing. A missing settings file does the same with a hint.
TEST(Unit1Start, aSettingsErrorClosesTheWindowAtTheFirstActivation)
{
    struct Fall {
        const char* name;
        bool ohneIni;
        QStringList werte;
        QString art;
        QString text;
    };
    const Fall faelle[] = {
        {"odd card count", false, werteMit(3, QStringLiteral("3,5")), QStringLiteral("fehler"),
         QStringLiteral("Fehler bei der dritten Einstellung in der Datei \"Paarlix.ini\":\n\r(3,5)\n\r"
                        "Das Produkt der Zeilen- und Spaltenanzahl muss gerade sein.")},
        {"window size without comma", false, werteMit(1, QStringLiteral("1024")), QStringLiteral("fehler"),
         QStringLiteral("Fehler bei der ersten Einstellung in der Datei \"Paarlix.ini\":\n\r(1024)\n\r"
                        "Die Einstellung für die Fenstergröße muss ein Komma enthalten.")},
        {"no settings file", true, {}, QStringLiteral("hinweis"), QStringLiteral("Ini-Datei Paarlix.ini nicht gefunden.")},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielordner ordner;
        ordner.schreibeKartentext();
        ordner.schreibeBilder(30);
        if (!f.ohneIni)
            ordner.schreibeIni(f.werte);
        Testfenster fenster;
        ASSERT_EQ(fenster.meldungen.eintraege.size(), 1u);
        EXPECT_EQ(fenster.meldungen.eintraege[0].art, f.art);
        EXPECT_EQ(fenster.meldungen.eintraege[0].text, f.text);
        EXPECT_TRUE(fenster.form->EinstellungsFehler);

        Schliesszaehler zaehler;
        fenster.form->installEventFilter(&zaehler);
        fenster.form->zeigen();
        EXPECT_TRUE(fenster.form->isVisible());
        EXPECT_EQ(zaehler.anzahl, 0);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(zaehler.anzahl, 1);
        EXPECT_FALSE(fenster.form->isVisible());

        EXPECT_FALSE(fenster.form->aufgebaut());
        EXPECT_EQ(fenster.brettKinder(), 1); // only the background
        EXPECT_EQ(fenster.form->KartenRuecken[0][0], nullptr);
        EXPECT_TRUE(fenster.form->PKarten->isHidden());
        EXPECT_TRUE(fenster.zufall->bereiche.empty());
        EXPECT_EQ(fenster.meldungen.eintraege.size(), 1u);
        fenster.form->removeEventFilter(&zaehler);
    }
}

// An error while the window is created (here: no memory for the settings error's box) does not
// escape the constructor: it is shown by the top-level handler, and the window closes at its
// first activation with the run counted as failed.
TEST(Unit1Start, anErrorWhileCreatingTheWindowIsShownAndFailsTheRun)
{
    Spielordner ordner;
    ordner.schreibeIni(werteMit(3, QStringLiteral("3,5")));
    ErschoepfteMeldungen meldungen;
    const Fehlerbehandlung::Meldungsziel ziel(meldungen);
    TestUhr uhr{1e-9};
    std::unique_ptr<TForm1> form;
    EXPECT_NO_THROW(form = std::make_unique<TForm1>(meldungen, uhr));
    ASSERT_TRUE(form);
    ASSERT_EQ(meldungen.recorder.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.recorder.eintraege[0].art, QStringLiteral("programmfehler"));
    EXPECT_EQ(meldungen.recorder.eintraege[0].text, QStringLiteral("Nicht genügend Arbeitsspeicher."));
    EXPECT_TRUE(form->mitFehlerBeendet());
    form->zeigen();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->aufgebaut());
}

// A board refused before the deal (too large for the window, or for the memory) is reported in an
// error box; the window then closes and the run counts as failed, like after a settings error.
TEST(Unit1Start, aRefusedBoardClosesTheWindow)
{
    const struct {
        const char* name;
        const char* karten;
        const char* groesse;
        const char* anfang;
    } faelle[] = {
        {"board too large for the window", "100,100", "auto", "Das Spielfeld passt nicht auf diesen Bildschirm: "},
        {"pictures too large for the memory", "100,100", "2000,2000", "Nicht genügend Arbeitsspeicher.\n\r"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielordner ordner;
        QStringList w = standardWerte();
        w[2] = QString::fromUtf8(f.karten);
        w[3] = QString::fromUtf8(f.groesse);
        ordner.schreibeIni(w);
        ordner.schreibeKartentext();
        Testfenster fenster;
        Schliesszaehler zaehler;
        fenster.form->installEventFilter(&zaehler);
        fenster.aktiviere();
        ASSERT_EQ(fenster.meldungen.eintraege.size(), 1u);
        EXPECT_EQ(fenster.meldungen.eintraege[0].art, QStringLiteral("fehler"));
        EXPECT_TRUE(fenster.meldungen.eintraege[0].text.startsWith(QString::fromUtf8(f.anfang)))
            << qPrintable(fenster.meldungen.eintraege[0].text);
        QCoreApplication::processEvents();
        EXPECT_EQ(zaehler.anzahl, 1);
        EXPECT_FALSE(fenster.form->isVisible());
        EXPECT_FALSE(fenster.form->aufgebaut());
        EXPECT_FALSE(fenster.form->EinstellungsFehler);
        EXPECT_TRUE(fenster.form->mitFehlerBeendet());
        fenster.form->removeEventFilter(&zaehler);
    }
}

// Activating the window again (directly, or after switching away and back) builds nothing new.
TEST(Unit1Start, aSecondActivationBuildsNothingNew)
{
    Spielordner ordner;
    ordner.schreibeIni(werteMit(8, QStringLiteral("1")));
    ordner.schreibeKartentext();
    ordner.schreibeBilder(30);
    Testfenster fenster;
    fenster.aktiviere();
    ASSERT_TRUE(fenster.form->aufgebaut());
    const int container = fenster.brettKinder();
    const int widgets = fenster.brettWidgets();
    const size_t ziehungen = fenster.zufall->bereiche.size();
    EXPECT_EQ(container, 1 + 5);       // background and one container per row
    EXPECT_EQ(widgets, 1 + 5 + 2 * 30); // and two image controls per cell
    EXPECT_EQ(ziehungen, 31u);          // one per picture and one for the starting group

    fenster.form->FormActivate();
    QEvent deaktiviert(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(fenster.form.get(), &deaktiviert);
    QEvent aktiviert(QEvent::WindowActivate);
    QCoreApplication::sendEvent(fenster.form.get(), &aktiviert);
    QCoreApplication::processEvents();

    EXPECT_EQ(fenster.brettKinder(), container);
    EXPECT_EQ(fenster.brettWidgets(), widgets);
    EXPECT_EQ(fenster.zufall->bereiche.size(), ziehungen);
    EXPECT_TRUE(fenster.meldungen.eintraege.empty());
    EXPECT_TRUE(fenster.form->isVisible());
    EXPECT_FALSE(fenster.form->PAnfangsEinstellungen->isHidden());
}

// Setting 9 and the names go into the player selection only when the players are not asked;
// otherwise the controls keep their design values (one player, empty names).
TEST(Unit1Start, groupsAndNamesComeFromTheSettingsOnlyWhenNotAsking)
{
    struct Fall {
        QString fragen;
        QString gruppen;
        bool zweiGruppen;
        QString name1;
        QString name2;
    };
    const Fall faelle[] = {
        {QStringLiteral("0"), QStringLiteral("2"), true, QStringLiteral("Anna"), QStringLiteral("Ben")},
        {QStringLiteral("0"), QStringLiteral("1"), false, QStringLiteral("Anna"), QStringLiteral("Ben")},
        {QStringLiteral("1"), QStringLiteral("2"), false, QString(), QString()},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(("ask " + f.fragen + " groups " + f.gruppen).toStdString());
        Spielordner ordner;
        QStringList w = werteMit(8, f.fragen);
        w[8] = f.gruppen;
        ordner.schreibeIni(w);
        Testfenster fenster;
        const TForm1& form = *fenster.form;
        EXPECT_TRUE(fenster.meldungen.eintraege.empty());
        EXPECT_EQ(form.RadioButton2->isChecked(), f.zweiGruppen);
        EXPECT_EQ(form.RadioButton1->isChecked(), !f.zweiGruppen);
        EXPECT_EQ(form.Edit1->text(), f.name1);
        EXPECT_EQ(form.Edit2->text(), f.name2);
        // The name fields are usable exactly when two groups are chosen.
        EXPECT_EQ(form.Edit1->testAttribute(Qt::WA_Disabled), !f.zweiGruppen);
        EXPECT_EQ(form.Label7->testAttribute(Qt::WA_Disabled), !f.zweiGruppen);
    }
}

// Without asking, the game starts right after the deal with the groups and names of the settings.
TEST(Unit1Start, withoutAskingTheGameStartsWithTheSettingsNames)
{
    Spielordner ordner;
    QStringList w = standardWerte();
    w[7] = QStringLiteral("0");
    w[8] = QStringLiteral("2");
    ordner.schreibeIni(w);
    ordner.schreibeKartentext();
    ordner.schreibeBilder(30);
    Testfenster fenster;
    fenster.aktiviere();
    const TForm1& form = *fenster.form;
    ASSERT_TRUE(form.aufgebaut());
    EXPECT_TRUE(fenster.meldungen.eintraege.empty());
    EXPECT_TRUE(form.PKarten->isEnabled());
    EXPECT_TRUE(form.PAnfangsEinstellungen->isHidden());
    EXPECT_FALSE(form.PBekommeneKarten->isHidden());
    EXPECT_EQ(form.NamensLabel[0]->text(), QStringLiteral("Anna"));
    EXPECT_EQ(form.NamensLabel[1]->text(), QStringLiteral("Ben"));
}

// "max" as the window size keeps the design size until shown and then asks for the maximised state.
TEST(Unit1Start, maxMaximisesTheWindow)
{
    Spielordner ordner;
    ordner.schreibeIni(werteMit(1, QStringLiteral(" Max ")));
    Testfenster fenster;
    EXPECT_TRUE(fenster.form->Maximiert);
    EXPECT_EQ(fenster.form->size(), QSize(1044, 780));
    EXPECT_EQ(fenster.form->pos(), QPoint(727, 128));
    fenster.form->zeigen();
    EXPECT_TRUE(fenster.form->windowState() & Qt::WindowMaximized);
}

// In a window lower than the player-selection panel the panel starts at the client area's top, so
// scrolling reaches its title as well as its foot.
TEST(Unit1Start, aTallPlayerSelectionCanBeScrolledWhole)
{
    Spielordner ordner;
    ordner.schreibeIni(werteMit(1, QStringLiteral("1016,500")));
    ordner.schreibeKartentext();
    ordner.schreibeBilder(30);
    Testfenster fenster;
    fenster.aktiviere();
    TForm1& form = *fenster.form;
    ASSERT_TRUE(form.aufgebaut());
    ASSERT_TRUE(form.PAnfangsEinstellungen->isVisible());
    EXPECT_EQ(form.PAnfangsEinstellungen->y(), 0);
    QCoreApplication::processEvents();
    QScrollBar* rollbalken = form.verticalScrollBar();
    rollbalken->setValue(rollbalken->minimum());
    EXPECT_EQ(form.PAnfangsEinstellungen->mapTo(form.viewport(), QPoint(0, 0)).y(), 0)
        << "the title can be scrolled into view";
    rollbalken->setValue(rollbalken->maximum());
    EXPECT_EQ(form.PAnfangsEinstellungen->mapTo(form.viewport(), QPoint(0, 720)).y(), form.viewport()->height())
        << "and so can the foot";
}
