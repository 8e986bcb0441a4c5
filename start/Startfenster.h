#pragma once

#include "demo/Spielordner.h"
#include "start/Weitergabeablauf.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class Meldungen;
class Nutzerkonfiguration;
class Letztespielemodell;
class QListView;
class QLabel;
class QPushButton;
class Vorschaubilder;
struct Vorschau;

// The small window the desktop entry opens: a new game from photos, a game folder from
// the folder dialog, the last games and the demo game. It only announces the choice;
// whoever shows it starts the game.
class Startfenster final : public QWidget {
    Q_OBJECT
public:
    Startfenster(Nutzerkonfiguration& konfiguration, Meldungen& meldungen, QWidget* eltern = nullptr);
    ~Startfenster() override;

    // The folder dialog, given the folder to start in; returns the choice or empty.
    void setzeOrdnerwahl(std::function<QString(const QString&)> wahl) { ordnerwahl_ = std::move(wahl); }
    // Where the demo game is written (the user's data folder unless set).
    void setzeBeispielordner(const QString& ordner) { beispielordner_ = ordner; }
    // How the demo game's files are written (to a full disk, in a test).
    void setzeDateischreiber(Dateischreiber schreiber) { dateischreiber_ = std::move(schreiber); }
    // Reads the last games again from the config.
    void zeigeLetzteSpiele();

    QPushButton* NeuesSpielKnopf = nullptr;
    QPushButton* OeffnenKnopf = nullptr;
    QPushButton* BeispielKnopf = nullptr;
    // These three for the chosen last game, else a folder from the dialog.
    QPushButton* BearbeitenKnopf = nullptr;
    QPushButton* DruckenKnopf = nullptr;
    QPushButton* WeitergebenKnopf = nullptr;
    Weitergabeablauf* Weitergabe = nullptr;
    QListView* LetzteSpiele = nullptr;
    QLabel* KeineSpiele = nullptr;

signals:
    void neuesSpielGewuenscht();
    void spielGewaehlt(const QString& ordner);
    void spielBearbeitenGewuenscht(const QString& ordner);
    void geschlossen();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void oeffneSpiel();
    // The chosen last game, else a folder from the dialog; empty when cancelled.
    QString gewaehlterOrdner();
    void starteBeispiel();
    void zeigeVorschau(const Vorschau& vorschau);

    Nutzerkonfiguration& konfiguration_;
    Meldungen& meldungen_;
    std::function<QString(const QString&)> ordnerwahl_;
    QString beispielordner_;
    Dateischreiber dateischreiber_ = schreibeDateiGanz;
    Letztespielemodell* spiele_ = nullptr;
    std::unique_ptr<Vorschaubilder> vorschaubilder_;
    std::uint64_t liste_ = 0; // counts the list's fillings, so late pictures of an old one are dropped
};
