#pragma once

#include "platform/Hintergrundarbeit.h"
#include "weitergabe/Uebernahme.h"
#include "weitergabe/Weitergabe.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

class Meldungen;
class Nutzerkonfiguration;
class QProgressDialog;
class QWidget;

// Where a game's file goes unless the user says otherwise: NAME.paarlix in the documents folder,
// in the home folder when there is none.
QString weitergabeVorschlag(const QString& spielordner);

// "Gespeichert: PATH (14,2 MB)".
QString gespeichertText(const QString& datei, qint64 bytes);

// "Weitergeben…" of the start and the new-game window: the save dialog at NAME.paarlix in the
// documents folder, packing on a worker thread behind a progress window with "Abbrechen", then
// where the file was saved with "Ordner öffnen"; a failure is said in a message box.
class Weitergabeablauf final : public QObject {
    Q_OBJECT
public:
    Weitergabeablauf(Meldungen& meldungen, QWidget* fenster);
    // Stops a packing before its next file and waits for it.
    ~Weitergabeablauf() override;

    // The save dialog, given the suggested file; returns the chosen one or empty.
    void setzeDateiwahl(std::function<QString(const QString&)> wahl) { dateiwahl_ = std::move(wahl); }
    // The packer run on the worker thread; tests hold it to cancel before it is done.
    void setzePacker(std::function<Weitergabeergebnis(const Weitergabeauftrag&)> packer) { packe_ = std::move(packer); }

    // Asks where the game of `spielordner` goes and starts packing it; nothing when cancelled.
    void gibWeiter(const QString& spielordner);
    bool laeuft() const { return packer_.laeuft(); }

    // Shown while the game is packed.
    QProgressDialog* Fortschritt = nullptr;

signals:
    // The packing is over and its outcome said (or it was cancelled).
    void fertig(const Weitergabeergebnis& ergebnis);

private:
    void zeigeErgebnis(const Weitergabeergebnis& ergebnis);

    Meldungen& meldungen_;
    QWidget* fenster_;
    std::function<QString(const QString&)> dateiwahl_;
    std::function<Weitergabeergebnis(const Weitergabeauftrag&)> packe_ = gibSpielWeiter;
    QString ziel_; // the file being written
    std::atomic<bool> abbrechen_ = false;
    Hintergrundarbeit<Weitergabeergebnis> packer_;
};

// A game file opened to be played (`paarlix DATEI.paarlix`, a double click): unpacked into the
// folder for the games and put first among the last games. A refusal is said in a message box.
Uebernahmeergebnis uebernimmZumSpielen(const QString& datei, Nutzerkonfiguration& konfiguration, Meldungen& meldungen);
