#pragma once

#include "board/Kartenformat.h"
#include "neuesspiel/Bearbeitung.h"
#include "neuesspiel/Brettvorschauen.h"
#include "neuesspiel/Paarangabe.h"
#include "neuesspiel/Spielschreiber.h"
#include "platform/Hintergrundarbeit.h"
#include "start/Paarlistenfeld.h"
#include "start/Schreibleiste.h"
#include "start/Weitergabeablauf.h"
#include "widgets/Vorleser.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class Meldungen;
class Paarliste;
class Nutzerkonfiguration;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The config key of the folder new games go into.
inline const QString SpieleordnerSchluessel = QStringLiteral("NeuesSpiel/spieleordner");
// The folder new games and games taken in from a file go into: the one chosen last, else ~/Spiele.
QString spieleordner(const Nutzerkonfiguration& konfiguration);
// The config key of "Zweite Karte zeigt den Namen" as the user left it: "an" or "aus".
inline const QString NamenskartenSchluessel = QStringLiteral("NeuesSpiel/namenskarten");

// "Neues Spiel": the list of pairs with its buttons, the board they give with the pairs per
// round and the card format, and the bar with where the game goes and "Spiel anlegen", which
// writes the game with the same writer as `paarlix --neues-spiel`. Also edits a written game.
// The rules of editing are Bearbeitung's; the window shows them and passes edits back.
class NeuesSpielFenster final : public QWidget {
    Q_OBJECT
public:
    NeuesSpielFenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen, QWidget* eltern = nullptr);
    ~NeuesSpielFenster() override;

    // The desktop's file dialog, given the folder to start in; returns the chosen files.
    void setzeDateiwahl(std::function<QStringList(const QString&)> wahl) { Liste->setzeDateiwahl(std::move(wahl)); }
    // The folder dialog for the games folder.
    void setzeOrdnerwahl(std::function<QString(const QString&)> wahl) { ordnerwahl_ = std::move(wahl); }
    // Asked before the list is thrown away; true: throw it away.
    void setzeRueckfrage(std::function<bool(const QString&)> frage) { rueckfrage_ = std::move(frage); }
    // The writer run on a worker thread; tests hold it to cancel before it is done.
    void setzeSchreiber(std::function<Schreibergebnis(const NeuesSpiel&)> schreiber)
    {
        Leiste->setzeSchreiber(std::move(schreiber));
    }
    // The screen the board is chosen for (the window's screen unless set).
    void setzeBildschirm(QSize groesse);
    // The file dialog for a pair list, given the folder to start in; returns the file or nothing.
    void setzeListenwahl(std::function<QString(const QString&)> wahl) { Liste->setzeListenwahl(std::move(wahl)); }
    // Asked once, when "Texte vorlesen" is first on: why nothing can be read aloud, empty when
    // it can (sprachausgabeFehlt unless set).
    void setzeSprachpruefung(std::function<QString()> pruefung) { sprachpruefung_ = std::move(pruefung); }

    // Adds files and the pictures in folders, in order; files already in the list are left out.
    // Returns the first new row, -1 for none.
    int fuegeHinzu(const QStringList& pfade) { return Liste->fuegeHinzu(pfade); }
    // Appends the pairs; pairs with a missing or repeated photo are left out. Returns the
    // first new row, -1 for none.
    int fuegePaareHinzu(const Paarangaben& paare) { return Liste->fuegePaareHinzu(paare); }
    Paarangaben paare() const;
    const Paarliste& liste() const { return Liste->liste(); }
    // The photos in the list's order, and their names.
    QStringList fotos() const;
    QStringList namen() const;
    // Photos whose thumbnail is still being made.
    int offeneVorschauen() const;
    // Where the game will be written.
    QString ziel() const;
    bool schreibtGerade() const { return Leiste->schreibtGerade(); }

    // Edit mode: the game of `ordner` with its pairs, card format and pairs per round;
    // "Speichern" replaces it. A game that cannot be read is named in a message and false returned.
    bool bearbeite(const QString& ordner);
    // The game being edited (also the one just written), empty before.
    QString bearbeitet() const { return bearbeitung_.bearbeitet(); }

    Paarlistenfeld* Liste = nullptr;
    // "Je Runde N Paare, zufällig aus allen": the board is chosen for N pairs, drawn anew each round.
    QCheckBox* JeRunde = nullptr;
    QSpinBox* JeRundeAnzahl = nullptr;
    // "Kartenformat" and "Fotos zuschneiden".
    QComboBox* FormatWahl = nullptr;
    QCheckBox* Zuschneiden = nullptr;
    // "Texte vorlesen", and beside it why the desktop cannot, when it cannot.
    QCheckBox* Vorlesen = nullptr;
    QLabel* VorlesenHinweis = nullptr;
    QLabel* Brett = nullptr;
    // "Je Runde N Paare" beside the line saying names would be too small: takes its suggestion.
    QPushButton* VorschlagKnopf = nullptr;
    Schreibleiste* Leiste = nullptr;
    // "Weitergeben…" of the game written.
    Weitergabeablauf* Weitergabe = nullptr;

signals:
    // "Spiel starten" after a write.
    void spielAngelegt(const QString& ordner);
    // A game was written (or saved) there.
    void spielGeschrieben(const QString& ordner);
    void geschlossen();

protected:
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void baueRunden();
    void baueFormat();
    void baueVorlesen();
    // The languages of the list loaded last that named them, else the edited game's.
    Vorlesesprachen vorlesesprachen() const;
    void baueLayout();
    void verbinde();
    // "Spiel starten", "Drucken…" and "Weitergeben…" once the game is written.
    void verbindeGeschrieben();
    void holeFokusZurueck();
    void waehleSpieleordner();
    void rechneBrett(const Brettfrage& frage);
    // The pairs per round asked for, 0 for all.
    int jeRunde() const;
    std::optional<Kartenformat> gewaehltesFormat() const;
    // What a write would write now.
    Schreibstand stand() const;
    // Shows the board and the target, and enables "Spiel anlegen"; at most once per pass of
    // the event loop, however many thumbnails arrive.
    void aktualisiereBald();
    void aktualisiere();
    void zeigeBrett(const Brettvorschau& vorschau);
    void setzeEingabenAn(bool an);
    void legeAn();
    void schreibenFertig(const Schreibergebnis& ergebnis);
    void zeigeGeschrieben(const QString& ordner);

    Nutzerkonfiguration& konfiguration_;
    Meldungen& meldungen_;
    std::function<QString(const QString&)> ordnerwahl_;
    std::function<bool(const QString&)> rueckfrage_;
    QSize bildschirm_;
    Bearbeitung bearbeitung_;
    Brettvorschauen brettvorschauen_;
    Hintergrundarbeit<Brettvorschau> brettrechner_;
    Brettfrage gerechnet_; // the question brettrechner_ answers
    int vorschlag_ = 0;    // the pairs per round VorschlagKnopf sets
    bool aktualisierungGeplant_ = false;
    std::function<QString()> sprachpruefung_ = sprachausgabeFehlt;
    std::optional<QString> sprachmangel_; // sprachpruefung_'s answer, once asked
    Vorlesesprachen spielsprachen_;       // the edited game's
};
