#pragma once

#include "neuesspiel/Fotoliste.h"

#include <QHash>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The list of photos of a new game, without widgets: one row per pair, in the order the
// cards are numbered. The new-game window is a view over it.

// The file name patterns of the pictures Qt's readers and the game's JPEG decoder take.
QStringList bildmuster();

// The pictures directly in a folder, in the order a file manager shows them.
QStringList bilderIn(const QString& ordner);

// The first of the folders that exists, else sonst: where a file dialog starts.
QString vorhandenerOrdner(const QStringList& ordner, const QString& sonst);

enum class Vorschaustand { Offen, Fertig };
enum class Ausrichtung { Unbekannt, Quer, Hoch, Quadratisch };

struct Paarzeile {
    std::uint64_t Nummer = 0; // the row's own number while it lives, for its thumbnail
    QString Pfad;             // absolute, as it was added
    QString Echt;             // canonical: the same file under another name is a repeat
    QString Name;             // the name card's text
    QSize Groesse;            // upright; empty while the thumbnail is Offen
    Vorschaustand Vorschau = Vorschaustand::Offen;

    QString dateiname() const;
    Ausrichtung ausrichtung() const;
};

// A file or folder left out of the list, and why ("schon in der Liste").
struct Ausgelassen {
    QString Pfad;
    QString Grund;
    friend bool operator==(const Ausgelassen&, const Ausgelassen&) = default;
};

// What fuegeHinzu takes: the files in order, and what it leaves out.
struct Aufnahme {
    QStringList Pfade;
    QStringList Echt;
    std::vector<Ausgelassen> Ausgelassene;
};

// Where the game goes and whether it may go there; Text is the line the window shows.
struct Zielpruefung {
    bool Geht = false;
    QString Pfad;
    QString Text;
};

class Paarliste {
public:
    // The files and the pictures in the folders, in order, without the ones already in the
    // list or earlier in pfade (by canonical path) and without missing files.
    Aufnahme pruefe(const QStringList& pfade) const;
    // Appends the rows of a pruefe() made on the list as it is now; returns the first new row.
    int nimmAuf(const Aufnahme& aufnahme);
    // pruefe() and nimmAuf(); returns what was left out.
    std::vector<Ausgelassen> fuegeHinzu(const QStringList& pfade);

    // 0 <= zeile < anzahl()
    void entferne(int zeile);
    // Swaps the row with its neighbour; false when there is none.
    bool verschiebe(int zeile, int richtung);
    // 0 <= zeile < anzahl()
    void setzeName(int zeile, const QString& name);
    // The thumbnail of photo nummer is made: its row, or -1 when the row is gone.
    int vorschauFertig(std::uint64_t nummer, QSize groesse);
    // Photo nummer cannot be read: its row is removed and left out. The row it had, or -1.
    int nichtLesbar(std::uint64_t nummer, const QString& grund);
    void setzeMitNamen(bool mitNamen);

    bool mitNamen() const { return mitNamen_; }
    int anzahl() const { return int(zeilen_.size()); }
    // 0 <= i < anzahl()
    const Paarzeile& zeile(int i) const { return zeilen_[std::size_t(i)]; }
    // The row of photo nummer, -1 when there is none.
    int zeileVon(std::uint64_t nummer) const { return zeileVon_.value(nummer, -1); }
    QStringList fotos() const;
    QStringList namen() const;
    int offeneVorschauen() const { return offen_; }

    // "Name fehlt", "Name doppelt" or nothing; only while the second card shows the name.
    QString hinweis(int zeile) const;
    // The name is another row's too (with names shown).
    bool doppelt(int zeile) const;
    // The folder `spielname` in `ordner`: a name that can be a folder, not an existing
    // file or a folder with something in it.
    Zielpruefung pruefeZiel(const QString& ordner, const QString& spielname) const;
    // jeRunde: the pairs per round the user asks for, 0: all that fit.
    Brettfrage brettfrage(QSize bildschirm, int jeRunde = 0) const;
    // Whether "Spiel anlegen" may write the list: every photo read, a good board, a free target.
    bool schreibbar(const Brettvorschau& brett, const Zielpruefung& ziel) const;

    // Everything left out so far, in order.
    const std::vector<Ausgelassen>& ausgelassen() const { return ausgelassen_; }
    // The label about it: "Nicht aufgenommen: " and `zeilen` of them, one a line, then
    // "… und 38 weitere" (all of them when only one more); empty when none. zeilen >= 1
    QString ausgelassenKurz(int zeilen) const;
    // All of them, one a line.
    QString ausgelassenAlle() const;

private:
    void nummeriereAb(int zeile);
    void pruefeDoppelte();

    std::vector<Paarzeile> zeilen_;
    QHash<std::uint64_t, int> zeileVon_;
    QSet<QString> echt_;
    std::vector<bool> doppelt_;
    std::vector<Ausgelassen> ausgelassen_;
    std::uint64_t naechste_ = 1;
    int offen_ = 0;
    bool mitNamen_ = false;
};
