// Playing with keys alone and reading the game as a screen reader does.
#include "Spieltisch.h"

#include "board/Fokusrahmen.h"
#include "widgets/Ansagefeld.h"
#include "platform/Systemfarben.h"
#include "widgets/TBitBtn.h"
#include "widgets/TFokusrahmen.h"
#include "widgets/TImage.h"
#include "widgets/TPanel.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A key pressed and released, delivered where the keyboard focus is.
void taste(Qt::Key k)
{
    QWidget* fokus = QApplication::focusWidget();
    ASSERT_NE(fokus, nullptr) << "no control has the keyboard focus";
    QTest::keyClick(fokus, k);
}

// The arrows that bring the board's focus frame to z, one cell per key.
void geheZu(const TForm1& f, Zelle z)
{
    const int bis = std::abs(f.BrettFokus.Zeile - z.Zeile) + std::abs(f.BrettFokus.Spalte - z.Spalte);
    for (int n = 0; n < bis && f.BrettFokus.Zeile != z.Zeile; ++n)
        taste(f.BrettFokus.Zeile < z.Zeile ? Qt::Key_Down : Qt::Key_Up);
    for (int n = 0; n < bis && f.BrettFokus.Spalte != z.Spalte; ++n)
        taste(f.BrettFokus.Spalte < z.Spalte ? Qt::Key_Right : Qt::Key_Left);
    EXPECT_EQ(f.BrettFokus, z) << "the arrows did not move the focus one cell per key";
}

QAccessibleInterface* zugang(QObject* o)
{
    return QAccessible::queryAccessibleInterface(o);
}

// The screen reader's view of the cell: the board's child row by row.
QAccessibleInterface* zelle(const Spieltisch& t, Zelle z)
{
    return zugang(t.form->PKarten)->child(z.Zeile * t.form->Einstellungen.Spalten + z.Spalte);
}

QString name(QAccessibleInterface* i)
{
    return i ? i->text(QAccessible::Name) : QStringLiteral("<none>");
}

// The window takes keys only once it is active.
void aktiviere(TForm1& f)
{
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
}

Tischvorgaben zweiGruppen()
{
    Tischvorgaben v;
    v.Abfragen = QStringLiteral("0");
    v.Gruppen = QStringLiteral("2");
    v.Namen = QStringLiteral("Anna\nBen");
    return v;
}

} // namespace

TEST(Tastatur, aWholeGameIsPlayedWithKeysAlone)
{
    // The board has the focus from the start; arrows move the frame, Enter and
    // Space click the cell under it, Escape closes a pair's large pictures, Tab
    // reaches the collected cards. The frame shows from the first key to the last pair.
    Spieltisch t(zweiGruppen());
    TForm1& f = *t.form;
    aktiviere(f);
    ASSERT_EQ(QApplication::focusWidget(), f.PKarten);
    EXPECT_FALSE(f.BrettRahmen->isVisible()) << "the frame shows before any key";
    EXPECT_EQ(f.Ansage->text(), QStringLiteral("Anna ist an der Reihe."));

    // A failed move: the second Enter on an open card covers both.
    const auto [a, b] = t.keinPaar();
    geheZu(f, a);
    taste(Qt::Key_Return);
    EXPECT_TRUE(t.liegtOffen(a));
    EXPECT_TRUE(f.BrettRahmen->isVisible());
    geheZu(f, b);
    taste(Qt::Key_Space);
    EXPECT_TRUE(t.liegtOffen(b));
    taste(Qt::Key_Escape); // nothing on the board
    EXPECT_TRUE(t.liegtOffen(b));
    taste(Qt::Key_Enter);
    EXPECT_TRUE(t.liegtVerdeckt(a));
    EXPECT_TRUE(t.liegtVerdeckt(b));
    EXPECT_EQ(f.Ansage->text(), QStringLiteral("Kein Paar. Ben ist an der Reihe."));

    bool sammlungBesucht = false;
    for (const int p : t.offenePaare()) {
        auto [erste, zweite] = t.paar(p);
        geheZu(f, erste);
        taste(Qt::Key_Return);
        geheZu(f, zweite);
        taste(Qt::Key_Return);
        ASSERT_TRUE(f.PBildLinks->isVisible()) << "pair " << p;
        EXPECT_EQ(QApplication::focusWidget(), f.Image2);
        EXPECT_TRUE(f.Ansage->text().startsWith(QStringLiteral("Paar gefunden"))) << qPrintable(f.Ansage->text());
        taste(Qt::Key_Escape);
        ASSERT_TRUE(f.PKarten->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), f.PKarten);
        // Enter on the empty place does nothing.
        taste(Qt::Key_Return);
        EXPECT_TRUE(f.PKarten->isVisible());

        if (!sammlungBesucht) {
            sammlungBesucht = true;
            taste(Qt::Key_Tab);
            auto* karte = qobject_cast<TImage*>(QApplication::focusWidget());
            ASSERT_NE(karte, nullptr);
            EXPECT_EQ(karte->parentWidget(), f.GruppenPanels[1]);
            EXPECT_TRUE(f.SammelRahmen->isVisible());
            EXPECT_FALSE(f.BrettRahmen->isVisible());
            taste(Qt::Key_Right);
            ASSERT_NE(QApplication::focusWidget(), karte);
            taste(Qt::Key_Return);
            EXPECT_TRUE(f.PBildLinks->isVisible());
            // The second card laid down is the pair's "b" picture.
            EXPECT_EQ(name(zugang(f.Image2)), QStringLiteral("Bild %1b").arg(p, 2, 10, QLatin1Char('0')));
            taste(Qt::Key_Space);
            EXPECT_TRUE(f.PKarten->isVisible());
            EXPECT_EQ(QApplication::focusWidget(), f.PKarten);
        }
    }
    EXPECT_TRUE(f.Zug.spielZuEnde());
    EXPECT_EQ(f.Ansage->text(), QStringLiteral("Gewonnen: Ben, 12 zu 0 Punkte!"));
    // Nothing is left on the board to point at.
    EXPECT_EQ(QApplication::focusWidget(), f.PKarten);
    taste(Qt::Key_Left);
    EXPECT_FALSE(f.BrettRahmen->isVisible()) << "the frame stays after the last pair";
    // The ending takes the keys: Enter on "Nochmal spielen" deals anew.
    QCoreApplication::processEvents();
    ASSERT_TRUE(f.PSpielende->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), f.NochmalButton);
    taste(Qt::Key_Return);
    EXPECT_FALSE(f.PSpielende->isVisible());
    EXPECT_TRUE(t.liegtVerdeckt({0, 0}));
    EXPECT_TRUE(t.meldungen.eintraege.empty());
}

TEST(Tastatur, theFrameLiesInTheGapAndFollowsTheMouse)
{
    // The player selection's button by key starts the game with the board in focus;
    // a mouse player never sees the frame; after an arrow it surrounds the focus
    // cell outside its picture, and the last mouse click set where the arrows start.
    Spieltisch t;
    TForm1& f = *t.form;
    aktiviere(f);
    f.BitBtn1->setFocus();
    taste(Qt::Key_Space);
    ASSERT_FALSE(f.PAnfangsEinstellungen->isVisible());
    ASSERT_EQ(QApplication::focusWidget(), f.PKarten);
    const Zelle z{1, 2};
    t.klicke(t.ruecken(z));
    EXPECT_EQ(f.BrettFokus, z);
    EXPECT_FALSE(f.BrettRahmen->isVisible()) << "a mouse player sees the frame";
    taste(Qt::Key_Left);
    taste(Qt::Key_Right);
    ASSERT_TRUE(f.BrettRahmen->isVisible());
    const QRect karte(t.bild(z)->mapTo(f.PKarten, QPoint(0, 0)), t.bild(z)->size());
    const Fokusrahmen r = fokusrahmen(karte, f.Einstellungen.AbstandX, f.Einstellungen.AbstandY);
    EXPECT_EQ(f.BrettRahmen->geometry(), r.Aussen.translated(f.PKarten->pos()));

    const QImage bild = f.Client()->grab(f.PKarten->geometry()).toImage();
    const QColor rahmen = bgrFarbe(Fokusrahmenfarbe);
    EXPECT_EQ(bild.pixelColor(karte.left() - 1, karte.center().y()), rahmen);
    EXPECT_EQ(bild.pixelColor(karte.center().x(), karte.bottom() + 1), rahmen);
    EXPECT_NE(bild.pixelColor(karte.left(), karte.center().y()), rahmen) << "the frame covers the picture";
    EXPECT_NE(bild.pixelColor(r.Aussen.left() - 1, karte.center().y()), rahmen);

    // A held Enter does not click again.
    taste(Qt::Key_Right);
    QKeyEvent gehalten(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(f.PKarten, &gehalten);
    EXPECT_TRUE(t.liegtVerdeckt({1, 3}));

    // The single player's panel tells the moves; nobody's turn is marked.
    taste(Qt::Key_Return);
    const QString panel = name(zugang(f.GruppenPanels[0]));
    EXPECT_TRUE(panel.startsWith(QStringLiteral("Einzelspieler, ")) && panel.endsWith(QStringLiteral(" Punkte, 1 Spielzug")))
        << qPrintable(panel);
    EXPECT_FALSE(name(zugang(f.GruppenPanels[1])).contains(QStringLiteral("an der Reihe")));
}

TEST(Tastatur, arrowsCrossAnEmptyPlace)
{
    // Where a pair was taken the frame stops at the empty place, one cell per key, in every direction.
    Spieltisch t(zweiGruppen());
    TForm1& f = *t.form;
    aktiviere(f);
    const Zelle leer{1, 1};
    t.deckePaarAuf(f.PaarNummern[leer.Zeile][leer.Spalte]);
    t.klicke(f.Image1);
    ASSERT_EQ(QApplication::focusWidget(), f.PKarten);
    const struct {
        Zelle Start;
        Qt::Key Taste;
        Zelle Danach;
    } faelle[] = {
        {{1, 0}, Qt::Key_Right, {1, 2}},
        {{1, 2}, Qt::Key_Left, {1, 0}},
        {{0, 1}, Qt::Key_Down, {2, 1}},
        {{2, 1}, Qt::Key_Up, {0, 1}},
    };
    const Spieleinstellungen& e = f.Einstellungen;
    for (const auto& fall : faelle) {
        SCOPED_TRACE(testing::Message() << "from " << fall.Start.Zeile << "," << fall.Start.Spalte);
        geheZu(f, fall.Start);
        taste(fall.Taste);
        EXPECT_EQ(f.BrettFokus, leer);
        const QRect platz(zellPosition(leer.Zeile, leer.Spalte, e.KartenBreite, e.KartenHoehe, e.AbstandX, e.AbstandY),
                          QSize(e.KartenBreite, e.KartenHoehe));
        EXPECT_TRUE(f.BrettRahmen->isVisible());
        EXPECT_EQ(f.BrettRahmen->geometry(),
                  fokusrahmen(platz, e.AbstandX, e.AbstandY).Aussen.translated(f.PKarten->pos()));
        EXPECT_TRUE(zelle(t, leer)->state().focused);
        EXPECT_EQ(name(zelle(t, leer)), QStringLiteral("gesammelt"));
        taste(fall.Taste);
        EXPECT_EQ(f.BrettFokus, fall.Danach);
    }
}

TEST(Zugang, cellsAreNamedAsASightedPlayerSeesThem)
{
    // Covered cells never name their picture; open ones do, by the picture's own description
    // when it has one; collected places are empty buttons.
    Tischvorgaben v = zweiGruppen();
    v.Kommentare = {{QStringLiteral("01a.jpg"), "Oma Erna"}};
    Spieltisch t(v);
    TForm1& f = *t.form;
    aktiviere(f);
    QAccessibleInterface* brett = zugang(f.PKarten);
    ASSERT_NE(brett, nullptr);
    EXPECT_EQ(name(brett), QStringLiteral("Spielfeld"));
    ASSERT_EQ(brett->childCount(), 12);
    for (int i = 0; i < 12; ++i) {
        QAccessibleInterface* z = brett->child(i);
        EXPECT_EQ(z->role(), QAccessible::Button);
        EXPECT_TRUE(name(z).endsWith(QStringLiteral(", verdeckt"))) << qPrintable(name(z));
        EXPECT_FALSE(z->state().disabled);
        EXPECT_EQ(brett->indexOfChild(z), i);
    }
    EXPECT_EQ(name(zelle(t, {0, 0})), QStringLiteral("A3, verdeckt"));
    EXPECT_EQ(name(zelle(t, {2, 3})), QStringLiteral("D1, verdeckt"));
    EXPECT_TRUE(zelle(t, {0, 0})->state().focused);
    EXPECT_EQ(zelle(t, {0, 0})->rect(), QRect(t.ruecken({0, 0})->mapToGlobal(QPoint(0, 0)), t.ruecken({0, 0})->size()));

    const auto [a, b] = t.paar(1);
    t.klicke(t.ruecken(a));
    const bool aIstB = t.bild(a)->Tag < 0;
    const QString bildA = aIstB ? QStringLiteral("Bild 01b") : QStringLiteral("Oma Erna");
    const QString koordinateA = QString(QChar('A' + a.Spalte)) + QString::number(3 - a.Zeile);
    EXPECT_EQ(name(zelle(t, a)), koordinateA + QStringLiteral(", aufgedeckt, ") + bildA);
    EXPECT_TRUE(zelle(t, a)->state().focused);
    EXPECT_EQ(name(zugang(f.Image1)), bildA);

    // The press action is a click: the pair is found and collected.
    zelle(t, b)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(name(zelle(t, a)), QStringLiteral("gesammelt"));
    EXPECT_EQ(zelle(t, a)->text(QAccessible::Description), koordinateA);
    EXPECT_TRUE(zelle(t, a)->state().disabled);
    EXPECT_TRUE(zelle(t, a)->actionInterface()->actionNames().isEmpty());
    QAccessibleInterface* karte = zugang(t.bild(a));
    EXPECT_EQ(name(karte), QStringLiteral("gesammelt"));
    EXPECT_EQ(karte->text(QAccessible::Description), bildA);
    EXPECT_TRUE(f.Ansage->text().startsWith(QStringLiteral("Paar gefunden: Oma Erna und Bild 01b.")))
        << qPrintable(f.Ansage->text());
    EXPECT_EQ(karte->role(), QAccessible::Button);
    const int gruppe = f.Zug.aktiveGruppe();
    EXPECT_EQ(name(zugang(f.GruppenPanels[gruppe])),
              QStringLiteral("%1, 2 Punkte, an der Reihe").arg(gruppe == 0 ? "Anna" : "Ben"));
    EXPECT_EQ(zugang(f.Ansage)->role(), QAccessible::Notification);
    EXPECT_EQ(name(zugang(f.Ansage)), f.Ansage->text());

    QAccessibleInterface* fortschritt = zugang(f.ProgressBar1);
    EXPECT_EQ(name(fortschritt), QStringLiteral("Einlesen und Verarbeiten der Bilder:"));
    ASSERT_NE(fortschritt->valueInterface(), nullptr);
    EXPECT_EQ(fortschritt->valueInterface()->currentValue().toInt(), 100);
}
