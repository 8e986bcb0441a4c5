#pragma once

#include "neuesspiel/Paarangabe.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class Paarliste;
struct Paarzeile;
struct Tonauswahl;
class Paarlistenmodell;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class Vorschaubilder;

// The new-game window's list of pairs with its buttons: photos come through the file dialog,
// a drop or a pair list, their thumbnails are made off the window's thread, rows are reordered,
// removed and typed into, and the files left out are named beneath.
class Paarlistenfeld final : public QWidget {
    Q_OBJECT
public:
    // mitNamen: "Zweite Karte zeigt den Namen" as the user left it.
    explicit Paarlistenfeld(bool mitNamen, QWidget* eltern = nullptr);
    ~Paarlistenfeld() override;

    // The desktop's file dialog, given the folder to start in; returns the chosen files.
    void setzeDateiwahl(std::function<QStringList(const QString&)> wahl) { dateiwahl_ = std::move(wahl); }
    // The file dialog for a pair list, given the folder to start in; returns the file or nothing.
    void setzeListenwahl(std::function<QString(const QString&)> wahl) { listenwahl_ = std::move(wahl); }
    // The sound dialog (Tonwahl) for a row; returns the choice, or nothing when cancelled.
    using Tonfrage = std::function<std::optional<Tonauswahl>(const Paarzeile&)>;
    void setzeTonwahl(Tonfrage wahl) { tonwahl_ = std::move(wahl); }

    const Paarliste& liste() const;
    // Adds files and the pictures in folders, in order; files already in the list are left out.
    // Returns the first new row, -1 for none.
    int fuegeHinzu(const QStringList& pfade);
    // Appends the pairs; pairs with a missing or repeated photo are left out. Returns the
    // first new row, -1 for none.
    int fuegePaareHinzu(const Paarangaben& paare);
    // The pairs of a written game: name cards come back as names.
    int fuegeSpielHinzu(const Paarangaben& paare);
    // A photo dropped at `wo` (in this widget) onto a row's second card becomes its second
    // photo; false elsewhere.
    bool legeZweitfotoAb(const QStringList& pfade, QPoint wo);
    // The keys go to the row's missing or repeated text, opened for typing.
    void bearbeiteText(int zeile);
    // The quick setting without telling anyone: an edited game shows its pairs as they are.
    void setzeMitNamen(bool an);
    // Off while the game is written: nothing may change the list then.
    void setzeAn(bool an);
    // Names show with name cards, hints with them or with pairs; the current cell follows.
    void richteSpaltenAus();

    Paarlistenmodell* Modell = nullptr;
    QTableView* Tabelle = nullptr;
    QPushButton* HinzufuegenKnopf = nullptr;
    QPushButton* EntfernenKnopf = nullptr;
    QPushButton* HochKnopf = nullptr;
    QPushButton* RunterKnopf = nullptr;
    // "Foto wählen…": a second photo for the current row.
    QPushButton* FotoWaehlenKnopf = nullptr;
    QPushButton* TextpaarKnopf = nullptr;
    // "Ton…": a sound for a card of the current row.
    QPushButton* TonKnopf = nullptr;
    QPushButton* ListeLadenKnopf = nullptr;
    QLabel* Ausgelassen = nullptr;
    QPushButton* AlleAusgelassenKnopf = nullptr;
    // Every file left out, opened by "Alle anzeigen".
    QWidget* AlleAusgelassen = nullptr;
    QPlainTextEdit* AlleAusgelassenText = nullptr;
    QCheckBox* MitNamen = nullptr;
    // "Erste Zeile ist eine Überschrift", shown once a list file is loaded.
    QCheckBox* Listenkopf = nullptr;

signals:
    // The list changed, or its names: the board, the target and "Spiel anlegen" follow.
    void geaendert();
    // A thumbnail arrived; many may come in one pass of the event loop.
    void vorschauDa();
    // A name for the game from the first photo's folder or the list file.
    void namensvorschlag(const QString& name);
    // Why a pair list was refused; empty once one is read.
    void listenmeldung(const QString& meldung);
    // The user turned "Zweite Karte zeigt den Namen" on or off.
    void mitNamenGeaendert(bool an);

private:
    void baueListe();
    void baueKnoepfe();
    void baueAusgelassen();
    void baueLayout();
    void verbinde();
    void bestelleVorschauen(int ab);
    void bestelleZweitfoto(int zeile);
    void waehleFotos();
    void waehleZweitfoto(int zeile);
    void waehleTon(int zeile);
    void fuegeTextpaarHinzu();
    void ladeListe();
    void setzeListenkopf(bool ueberschrift);
    // Rows appended by `fuege` (returning the first new one): thumbnails, the first name, the keys.
    int haengeAn(const std::function<int()>& fuege);
    void entferne();
    void verschiebe(int richtung);
    void waehleZeile(int zeile);
    int aktuelleZeile() const;
    // The current cell is one that typing edits.
    void richteAktuelleZelleAus();
    void zeigeAusgelassen();
    void zeigeAlleAusgelassen();
    // Where a dialog starts: where the last photos or list came from, else `sonst`.
    QString startordner(const QString& sonst) const;
    void holeFokusZurueck();

    std::function<QStringList(const QString&)> dateiwahl_;
    std::function<QString(const QString&)> listenwahl_;
    Tonfrage tonwahl_;
    QString letzterFotoordner_; // where the file dialog starts, once photos came from it
    bool an_ = true;
    std::unique_ptr<Vorschaubilder> vorschaubilder_;
};
