#pragma once

#include "board/Zellcode.h"
#include "support/Farben.h"
#include "support/Spielordner.h"
#include "support/Testfenster.h"

#include <QColor>
#include <QStringList>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

class QWidget;

// Settings of a small game: value lines for the settings file.
struct Tischvorgaben {
    QString Fenster = QStringLiteral("1016,734");
    QString Karten = QStringLiteral("4,3");
    QString Kartengroesse = QStringLiteral("auto");
    QString Abstaende = QStringLiteral("10,10");
    QString Abfragen = QStringLiteral("1");
    QString Gruppen = QStringLiteral("1");
    QString Namen = QStringLiteral("\n");
    int Startgruppe = 0; // the random draw after the deal
    unsigned Seed = 7;   // for the deal's draws
    // Picture files given a JPEG comment: file name and comment.
    std::vector<std::pair<QString, QByteArray>> Kommentare;
    // Setting 12, the pairs per round; empty: the file ends after setting 11.
    QString JeRunde;
    // Setting 13, reading aloud; empty: none.
    QString Vorlesen;
    // The pairs in the folder; 0: one pair for every two cells.
    int Paare = 0;
    // Picture files that hold no picture: a read of them fails.
    QStringList Kaputt;
    // Picture files given a sound beside them: one second of 440 Hz at amplitude 8000,
    // at 48 kHz beside an "a" picture, at 8 kHz beside a "b" picture.
    QStringList Toene;

    QStringList werte() const;
    // The scripted numbers of the window's random source: one for each draw of
    // the first round's pairs and cards, then the starting group. Further
    // numbers come from a generator seeded with 1.
    std::deque<int> zahlen() const;
};

// The main window on a generated game folder, activated and ready for clicks.
class Spieltisch {
public:
    // Half a turn of 400 ms takes five clock readings.
    static constexpr double Uhrschritt = 0.5e-6;

    explicit Spieltisch(const Tischvorgaben& v = {});
    ~Spieltisch();
    Spieltisch(const Spieltisch&) = delete;
    Spieltisch& operator=(const Spieltisch&) = delete;

    Spielordner ordner;

private:
    std::unique_ptr<Testfenster> fenster_;

public:
    MeldungsRecorder& meldungen;
    TestUhr& uhr;
    TForm1* const form;

    // Clicks the control like a player, who can only click what is shown.
    void klicke(QWidget* w);
    // Presses "Los  geht's" on the player-selection panel.
    void losGehts();

    TImage* ruecken(Zelle z) const;
    TImage* bild(Zelle z) const;
    // Every cell of the board, row by row.
    std::vector<Zelle> zellen() const;
    // The two cells of pair number p.
    std::pair<Zelle, Zelle> paar(int p) const;
    // Two cells of different pairs whose cards still lie on the board.
    std::pair<Zelle, Zelle> keinPaar() const;
    // Pair numbers whose cards still lie on the board (empty places hold none).
    std::vector<int> offenePaare() const;
    // Turns both cards of pair p (first card a, then b when erstesA).
    void deckePaarAuf(int p, bool erstesA = true);
    // Turns two cards that are no pair.
    std::pair<Zelle, Zelle> deckeKeinPaarAuf();

    // The colour the cell's picture was made in.
    QColor bildfarbeVon(Zelle z) const;
    // A card lies covered on the board: its back shown at full width, its picture hidden.
    bool liegtVerdeckt(Zelle z) const;
    // A card lies open on the board: its picture shown at full width, its back hidden.
    bool liegtOffen(Zelle z) const;
    // Group whose panel is highlighted, -1 for none; fails the test for two.
    int markierteGruppe() const;
};

// The colour in the middle of a control's picture.
QColor mittelfarbe(const TImage* bild);
// The highlight of the group whose turn it is.
QColor markierungsfarbe();
