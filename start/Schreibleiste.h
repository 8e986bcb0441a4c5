#pragma once

#include "neuesspiel/Spielschreiber.h"
#include "platform/Hintergrundarbeit.h"

#include <QString>
#include <QWidget>

#include <atomic>
#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The new-game window's bar: the game's name and the folder for the games, the line about where
// the game goes, the status line, and writing the game on a worker thread with its progress and
// "Abbrechen"; once written, "Spiel starten", "Drucken…" and "Weitergeben…".
class Schreibleiste final : public QWidget {
    Q_OBJECT
public:
    explicit Schreibleiste(QWidget* eltern = nullptr);
    // Stops a write before its next picture and waits for it.
    ~Schreibleiste() override;

    // The writer run on a worker thread; tests hold it to cancel before it is done.
    void setzeSchreiber(std::function<Schreibergebnis(const NeuesSpiel&)> schreiber) { schreibe_ = std::move(schreiber); }

    QString spielname() const;
    // A name for the game; one the user typed stays.
    void schlageNamenVor(const QString& name);
    // The edited game's name, "Speichern" instead of "Spiel anlegen".
    void bearbeite(const QString& name);
    // The folder for the games, the line about the target, and the status: photos still being
    // read, else the last outcome. "Spiel anlegen" is on when the list may be written there.
    void zeige(const QString& spieleordner, const QString& ziel, int offeneVorschauen, bool schreibbar);
    // The outcome shown in the status line until the next one.
    void setzeMeldung(const QString& meldung) { meldung_ = meldung; }
    // Off while the game is written; the name and the folder also while a game is replaced.
    void setzeAn(bool an, bool ortFest);

    // Writes on a worker thread; geschrieben() tells how it went, unless stopped by brichAb().
    void schreibe(NeuesSpiel auftrag);
    bool schreibtGerade() const { return schreiber_.laeuft(); }
    // The writer stops before its next picture and removes its draft; nothing is told.
    void brichAb();
    // The game is written: its outcome, "Spiel starten", "Drucken…" and "Weitergeben…".
    void zeigeGeschrieben(const QString& meldung);
    // The game written is no longer what the list shows: its buttons and outcome go.
    void verbergeGeschrieben();

    QLineEdit* Spielname = nullptr;
    QLabel* Spieleordner = nullptr;
    QPushButton* OrdnerKnopf = nullptr;
    QLabel* Ziel = nullptr;
    QLabel* Status = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QPushButton* AbbrechenKnopf = nullptr;
    QPushButton* AnlegenKnopf = nullptr;
    // Shown once a game is written: start it, print its cards, or save it as one file to pass on.
    QPushButton* StartenKnopf = nullptr;
    QPushButton* DruckenKnopf = nullptr;
    QPushButton* WeitergebenKnopf = nullptr;

signals:
    // The user typed in the game's name.
    void nameGetippt();
    void geschrieben(const Schreibergebnis& ergebnis);

private:
    void baue();
    void baueLayout();
    void verbinde();
    // "Spiel anlegen" or "Speichern", read aloud as shown.
    void benenneAnlegen(const QString& text, const QString& beschreibung);

    std::function<Schreibergebnis(const NeuesSpiel&)> schreibe_ = schreibeNeuesSpiel;
    bool nameVonHand_ = false; // the game name was typed, so new photos leave it alone
    QString meldung_;          // the last write's outcome, shown until the next one or photos are read
    std::atomic<bool> abbrechen_ = false;
    Hintergrundarbeit<Schreibergebnis> schreiber_;
};
