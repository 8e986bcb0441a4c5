#pragma once

#include "neuesspiel/Brettvorschauen.h"
#include "board/Kartenformat.h"
#include "neuesspiel/Paarangabe.h"
#include "neuesspiel/Spielschreiber.h"
#include "platform/Hintergrundarbeit.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class Paarlistenmodell;
class Meldungen;
class Paarliste;
class Nutzerkonfiguration;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QPlainTextEdit;
class QSpinBox;
class QTableView;
class Vorschaubilder;
struct Vorschau;
struct Zielpruefung;

// The config key of the folder new games go into.
inline const QString SpieleordnerSchluessel = QStringLiteral("NeuesSpiel/spieleordner");
// The config key of "Zweite Karte zeigt den Namen" as the user left it: "an" or "aus".
inline const QString NamenskartenSchluessel = QStringLiteral("NeuesSpiel/namenskarten");

// "Neues Spiel": photos in a list with thumbnails and names, the board they give, where
// the game goes, and "Spiel anlegen", which writes the game with the same writer as
// `paarlix --neues-spiel` on a worker thread and then announces its folder.
class NeuesSpielFenster final : public QWidget {
    Q_OBJECT
public:
    NeuesSpielFenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen, QWidget* eltern = nullptr);
    ~NeuesSpielFenster() override;

    // The desktop's file dialog, given the folder to start in; returns the chosen files.
    void setzeDateiwahl(std::function<QStringList(const QString&)> wahl) { dateiwahl_ = std::move(wahl); }
    // The folder dialog for the games folder.
    void setzeOrdnerwahl(std::function<QString(const QString&)> wahl) { ordnerwahl_ = std::move(wahl); }
    // Asked before the list is thrown away; true: throw it away.
    void setzeRueckfrage(std::function<bool(const QString&)> frage) { rueckfrage_ = std::move(frage); }
    // The writer run on a worker thread; tests hold it to cancel before it is done.
    void setzeSchreiber(std::function<Schreibergebnis(const NeuesSpiel&)> schreiber) { schreibe_ = std::move(schreiber); }
    // The screen the board is chosen for (the window's screen unless set).
    void setzeBildschirm(QSize groesse);
    // The file dialog for a pair list, given the folder to start in; returns the file or nothing.
    void setzeListenwahl(std::function<QString(const QString&)> wahl) { listenwahl_ = std::move(wahl); }

    // Adds files and the pictures in folders, in order; files already in the list are left out.
    // Returns the first new row, -1 for none.
    int fuegeHinzu(const QStringList& pfade);
    // Appends the pairs; pairs with a missing or repeated photo are left out. Returns the
    // first new row, -1 for none.
    int fuegePaareHinzu(const Paarangaben& paare);
    Paarangaben paare() const;
    const Paarliste& liste() const;
    // The photos in the list's order, and their names.
    QStringList fotos() const;
    QStringList namen() const;
    // Photos whose thumbnail is still being made.
    int offeneVorschauen() const;
    // Where the game will be written.
    QString ziel() const;
    bool schreibtGerade() const { return schreiber_.laeuft(); }

    // Edit mode (defined in NeuesSpielFensterBearbeiten.cpp): the game of `ordner` with its
    // pairs, card format and pairs per round; "Speichern" replaces it. A game that cannot be
    // read is named in a message and false returned.
    bool bearbeite(const QString& ordner);
    // The game being edited (also the one just written), empty before.
    QString bearbeitet() const { return bearbeitet_; }

    Paarlistenmodell* Modell = nullptr;

    QPushButton* HinzufuegenKnopf = nullptr;
    QPushButton* EntfernenKnopf = nullptr;
    QPushButton* HochKnopf = nullptr;
    QPushButton* RunterKnopf = nullptr;
    // "Foto wählen…": a second photo for the current row.
    QPushButton* FotoWaehlenKnopf = nullptr;
    QPushButton* TextpaarKnopf = nullptr;
    QPushButton* ListeLadenKnopf = nullptr;
    QTableView* Liste = nullptr;
    QLabel* Ausgelassen = nullptr;
    QPushButton* AlleAusgelassenKnopf = nullptr;
    // Every file left out, opened by "Alle anzeigen".
    QWidget* AlleAusgelassen = nullptr;
    QPlainTextEdit* AlleAusgelassenText = nullptr;
    QCheckBox* MitNamen = nullptr;
    // "Je Runde N Paare, zufällig aus allen": the board is chosen for N pairs, drawn anew each round.
    QCheckBox* JeRunde = nullptr;
    QSpinBox* JeRundeAnzahl = nullptr;
    QLabel* Brett = nullptr;
    QLineEdit* Spielname = nullptr;
    QLabel* Spieleordner = nullptr;
    QPushButton* OrdnerKnopf = nullptr;
    QLabel* Ziel = nullptr;
    QLabel* Status = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QPushButton* AbbrechenKnopf = nullptr;
    QPushButton* AnlegenKnopf = nullptr;
    // "Kartenformat" and "Fotos zuschneiden".
    QComboBox* FormatWahl = nullptr;
    QCheckBox* Zuschneiden = nullptr;
    // Shown once a game is written: start it, or print its cards.
    QPushButton* StartenKnopf = nullptr;
    QPushButton* DruckenKnopf = nullptr;

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
    void baueListe();
    void baueAusgelassen();
    void baueZiel();
    void baueLayout();
    void verbinde();
    void verbindeListe();
    void bauePaarKnoepfe();
    void verbindePaare();
    void bestelleVorschauen(int ab);
    void bestelleZweitfoto(int zeile);
    void waehleZweitfoto(int zeile);
    void fuegeTextpaarHinzu();
    void ladeListe();
    // A photo dropped onto a row's second card becomes its second photo; false elsewhere.
    bool legeZweitfotoAb(const QStringList& pfade, QPoint wo);
    // The current cell is one that typing edits.
    void richteAktuelleZelleAus();
    void starteArbeiter();
    void waehleFotos();
    void waehleSpieleordner();
    void entferne();
    void verschiebe(int richtung);
    void waehleZeile(int zeile);
    int aktuelleZeile() const;
    void holeFokusZurueck();
    void zeigeAusgelassen();
    void zeigeAlleAusgelassen();
    void rechneBrett(const Brettfrage& frage);
    // The pairs per round asked for, 0 for all.
    int jeRunde() const;
    // Marks names, shows the board and the target, and enables "Spiel anlegen"; at most
    // once per pass of the event loop, however many thumbnails arrive.
    void aktualisiereBald();
    void aktualisiere();
    Zielpruefung zeigeZiel();
    void zeigeBrett(const Brettvorschau& vorschau);
    void setzeEingabenAn(bool an);
    void legeAn();
    void schreibenFertig(const Schreibergebnis& ergebnis);
    // Edit mode, card format and the buttons after a write (NeuesSpielFensterBearbeiten.cpp).
    void baueBearbeiten();
    std::optional<Kartenformat> gewaehltesFormat() const;
    void ergaenzeAuftrag(NeuesSpiel& auftrag) const;
    Zielpruefung bearbeitungsziel() const;
    void setzeBearbeitenAn(bool an);
    void zeigeGeschrieben(const QString& ordner);
    // "Spiel starten" and "Drucken…" go once the pairs differ from the ones written.
    void pruefeGeschrieben();
    // What a write would write, to tell whether closing loses anything.
    QStringList stand() const;
    // Cards of the edited game that could not be read are not in the list, so saving
    // drops them: asked first. True: go on.
    bool darfUngeleseneVerlieren();
    // The question before closing loses the list.
    QString verlustfrage() const;

    Nutzerkonfiguration& konfiguration_;
    Meldungen& meldungen_;
    std::function<QStringList(const QString&)> dateiwahl_;
    std::function<QString(const QString&)> ordnerwahl_;
    std::function<QString(const QString&)> listenwahl_;
    std::function<bool(const QString&)> rueckfrage_;
    std::function<Schreibergebnis(const NeuesSpiel&)> schreibe_;
    QSize bildschirm_;
    Brettvorschauen brettvorschauen_;
    Hintergrundarbeit<Brettvorschau> brettrechner_;
    Brettfrage gerechnet_; // the question brettrechner_ answers
    QString ordner_;           // the games folder
    bool nameVonHand_ = false; // the game name was typed, so new photos leave it alone
    QString schreibmeldung_;   // the last write's outcome, shown until the next one or photos are read
    bool aktualisierungGeplant_ = false;
    QString letzterFotoordner_; // where the file dialog starts, once photos came from it
    std::unique_ptr<Vorschaubilder> vorschaubilder_;
    std::atomic<bool> abbrechen_ = false;
    Hintergrundarbeit<Schreibergebnis> schreiber_;
    QString bearbeitet_;                       // the game replaced by a write; empty: a new one
    std::optional<Kartenformat> spielformat_; // the edited game's card format
    QStringList gespeichert_;                 // stand() as last read or written
    std::size_t ausgelassenGefragt_ = 0;      // the files left out that saving has asked about
};
