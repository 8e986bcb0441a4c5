#pragma once

#include <QFutureWatcher>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

class Brettvorschauen;
class Meldungen;
class Nutzerkonfiguration;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
struct Schreibergebnis;
class Vorschaubilder;
struct Vorschau;

// The config key of the folder new games go into.
inline const QString SpieleordnerSchluessel = QStringLiteral("NeuesSpiel/spieleordner");

// "Neues Spiel": photos in a list with thumbnails and names, the board they give, where
// the game goes, and "Spiel anlegen", which writes the game with the same writer as
// `paarlix --neues-spiel` on a worker thread and then announces its folder.
class NeuesSpielFenster final : public QWidget {
    Q_OBJECT
public:
    // The list's columns.
    enum Spalte { SpalteFoto, SpalteName, SpalteDatei, SpalteHinweis, Spaltenzahl };

    NeuesSpielFenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen, QWidget* eltern = nullptr);
    ~NeuesSpielFenster() override;

    // The desktop's file dialog, given the folder to start in; returns the chosen files.
    void setzeDateiwahl(std::function<QStringList(const QString&)> wahl) { dateiwahl_ = std::move(wahl); }
    // The folder dialog for the games folder.
    void setzeOrdnerwahl(std::function<QString(const QString&)> wahl) { ordnerwahl_ = std::move(wahl); }
    // The screen the board is chosen for (the window's screen unless set).
    void setzeBildschirm(QSize groesse);

    // Adds files and the pictures in folders, in order; files already in the list are left out.
    void fuegeHinzu(const QStringList& pfade);
    // The photos in the list's order, and their names.
    QStringList fotos() const;
    QStringList namen() const;
    // Photos whose thumbnail is still being made.
    int offeneVorschauen() const;
    // Where the game will be written.
    QString ziel() const;
    bool schreibtGerade() const { return bool(schreiber_); }

    QPushButton* HinzufuegenKnopf = nullptr;
    QPushButton* EntfernenKnopf = nullptr;
    QPushButton* HochKnopf = nullptr;
    QPushButton* RunterKnopf = nullptr;
    QTableWidget* Liste = nullptr;
    QLabel* Ausgelassen = nullptr;
    QCheckBox* MitNamen = nullptr;
    QLabel* Brett = nullptr;
    QLineEdit* Spielname = nullptr;
    QLabel* Spieleordner = nullptr;
    QPushButton* OrdnerKnopf = nullptr;
    QLabel* Ziel = nullptr;
    QLabel* Status = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QPushButton* AbbrechenKnopf = nullptr;
    QPushButton* AnlegenKnopf = nullptr;

signals:
    void spielAngelegt(const QString& ordner);
    void geschlossen();

protected:
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void waehleFotos();
    void waehleSpieleordner();
    void entferne();
    void verschiebe(int richtung);
    void waehleZeile(int zeile);
    void holeFokusZurueck();
    int zielspalte() const;
    void zeigeVorschau(const Vorschau& vorschau);
    // Marks names, shows the board and the target, and enables "Spiel anlegen"; at most
    // once per pass of the event loop, however many thumbnails arrive.
    void aktualisiereBald();
    void aktualisiere();
    bool zielGeht();
    void setzeEingabenAn(bool an);
    void legeAn();
    void schreibenFertig(const Schreibergebnis& ergebnis);
    int zeileVon(std::uint64_t nummer) const;
    void merkeAusgelassen(const QString& pfad, const QString& grund);

    Nutzerkonfiguration& konfiguration_;
    Meldungen& meldungen_;
    std::function<QStringList(const QString&)> dateiwahl_;
    std::function<QString(const QString&)> ordnerwahl_;
    QSize bildschirm_;
    std::unique_ptr<Brettvorschauen> brettvorschauen_;
    QString ordner_;             // the games folder
    bool nameVonHand_ = false;   // the game name was typed, so new photos leave it alone
    bool setztSelbst_ = false;   // the window itself changes cells: no user edit
    std::uint64_t naechste_ = 1; // numbers of photos
    bool aktualisierungGeplant_ = false;
    QString letzterFotoordner_; // where the file dialog starts
    QStringList ausgelassen_;
    std::unique_ptr<Vorschaubilder> vorschaubilder_;
    std::atomic<bool> abbrechen_ = false;
    std::unique_ptr<QFutureWatcher<Schreibergebnis>> schreiber_;
};
