#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

// Rules of the new-game window's list of photos, without widgets.

// Whether a file's base name (no folder, no extension) is one that a camera or phone
// gives: "IMG_2041", "DSC01234", "PXL_20240512_143321123", "IMG-20240512-WA0001", a date
// and time such as "20240512_143321" or "2024-05-12 14.33.21". Such names are no names
// for a name card.
bool istKameraname(const QString& name);

// The name prefilled for a photo: its name card's text from the file name, empty for a
// camera's name.
QString vorgeschlagenerName(const QString& pfad);

// For each name whether another one is equal to it (ignoring blanks at the ends, repeated
// blanks and the case of letters). Empty names are never equal.
std::vector<bool> doppelteNamen(const QStringList& namen);

// The order a file manager shows names in: numbers by value ("Bild 9" before "Bild 10"),
// letters ignoring their case.
bool natuerlichVor(const QString& a, const QString& b);

// The game name suggested for photos whose first one is at fotopfad: its folder's name.
QString spielnameFuer(const QString& fotopfad);

// Why name cannot be the name of a game folder; empty when it can.
QString spielnameFehler(const QString& name);

// Why a list of photos with these names (mitNamen: the second card shows the name) cannot
// be written yet; empty when it can. zeile: the row to look at (-1 for none).
struct Namensfehler {
    QString Text;
    int Zeile = -1;
};
Namensfehler pruefeNamen(const QStringList& namen, bool mitNamen);

// The board for the photos as the window shows it while photos are added.
struct Brettvorschau {
    bool Gut = false;
    int Spalten = 0;
    int Zeilen = 0;
    QSize Karte;  // on bildschirm
    QString Text; // "15 Paare → 6 × 5 Karten, je 87 × 116 Pixel auf diesem Bildschirm", or which counts work
};

// The board the writer chooses for these photos (upright sizes; an empty size for one not
// read yet) on a screen of the size bildschirm. fotos.size() >= 0
Brettvorschau brettvorschau(const std::vector<QSize>& fotos, QSize bildschirm);

// brettvorschau on a worker thread, computed again only when the count, the card format or
// the screen changes: a count that works nowhere near searches hundreds of counts for the
// nearest good ones (tens of milliseconds), and thumbnails arrive one by one.
class Brettvorschauen {
public:
    // Called on the worker thread when a new answer is ready.
    explicit Brettvorschauen(std::function<void()> fertig);
    ~Brettvorschauen();
    Brettvorschauen(const Brettvorschauen&) = delete;
    Brettvorschauen& operator=(const Brettvorschauen&) = delete;

    // The answer for these photos when it is known; otherwise asks for it and answers
    // "Spielfeld wird berechnet …" (not Gut) until it is.
    Brettvorschau fuer(const std::vector<QSize>& fotos, QSize bildschirm);

private:
    struct Schluessel {
        int paare = -1;
        int formatX = 0;
        int formatY = 0;
        bool schneiden = false;
        QSize bildschirm;
        friend bool operator==(const Schluessel&, const Schluessel&) = default;
    };
    void arbeite();

    const std::function<void()> fertig_;
    std::mutex mutex_;
    std::condition_variable neu_;
    bool halt_ = false;
    std::optional<std::pair<Schluessel, std::vector<QSize>>> auftrag_; // the latest question
    std::optional<std::pair<Schluessel, Brettvorschau>> antwort_;     // the latest answer
    std::thread thread_;
};
