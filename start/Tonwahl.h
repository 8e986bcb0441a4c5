#pragma once

#include "neuesspiel/Paarliste.h"

#include <QByteArray>
#include <QDialog>

#include <functional>
#include <memory>

class QAudioFormat;
class QAudioSink;
class QAudioSource;
class QBuffer;
class QIODevice;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What "Ton…" chose: the card and its sound; an empty Pfad takes the sound away.
struct Tonauswahl {
    bool Zweite = false;
    Zeilenton Ton;
};

// The dialog behind "Ton…": a sound for a row's first or second card, from a file or recorded
// with the microphone (start, stop, listen, again). A recording is stored as Ogg Vorbis in the
// user's data folder, so that the game's writer reads it like any chosen file.
class Tonwahl final : public QDialog {
    Q_OBJECT
public:
    // The second card only where it is one of its own (not the photo shown again).
    explicit Tonwahl(const Paarzeile& zeile, QWidget* eltern = nullptr);
    ~Tonwahl() override;

    // The file dialog, given the folder to start in; returns the file or nothing.
    void setzeDateiwahl(std::function<QString(const QString&)> wahl) { dateiwahl_ = std::move(wahl); }
    Tonauswahl auswahl() const;

    QRadioButton* ErsteKarte = nullptr;
    QRadioButton* ZweiteKarte = nullptr;
    QLabel* Datei = nullptr;
    QPushButton* DateiKnopf = nullptr;
    QPushButton* AufnehmenKnopf = nullptr; // "Aufnehmen", after a recording "Neu aufnehmen"
    QPushButton* StoppKnopf = nullptr;
    QPushButton* AnhoerenKnopf = nullptr;
    QPushButton* EntfernenKnopf = nullptr;
    QLabel* Mikrofon = nullptr; // why recording is not possible, or that it runs
    QLineEdit* Name = nullptr;  // a sound card's name

private:
    void zeigeKarte();
    void waehleDatei();
    void nimmAuf();
    void stoppe();
    void hoereAn();
    void setzePfad(const QString& pfad);

    Zeilenton toene_[2];
    std::function<QString(const QString&)> dateiwahl_;
    std::unique_ptr<QAudioFormat> format_; // of the recording
    std::unique_ptr<QAudioSource> quelle_;
    QIODevice* eingang_ = nullptr;
    QByteArray aufnahme_;
    // The buffer outlives the sink that plays it.
    std::unique_ptr<QBuffer> wiedergabe_;
    std::unique_ptr<QAudioSink> ausgabe_;
};
