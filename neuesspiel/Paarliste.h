#pragma once

#include "neuesspiel/Brettvorschau.h"
#include "neuesspiel/Namenspruefung.h"
#include "neuesspiel/Paarangabe.h"
#include "neuesspiel/Paarlistendatei.h"

#include <QHash>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The list of pairs of a new game, without widgets: one row per pair (a photo or a text,
// and a second card), in the order the cards are numbered. The new-game window is a view over it.

// The file name patterns of the pictures Qt's readers, libheif and the game's JPEG decoder take.
QStringList bildmuster();

// The pictures directly in a folder, in the order a file manager shows them.
QStringList bilderIn(const QString& ordner);

// The first of the folders that exists, else sonst: where a file dialog starts.
QString vorhandenerOrdner(const QStringList& ordner, const QString& sonst);

enum class Vorschaustand { Offen, Fertig };
enum class Ausrichtung { Unbekannt, Quer, Hoch, Quadratisch };

// What a row's second card shows.
enum class Zweitart { GleichesFoto, Name, Foto, Text };

// A photo of a row: its own number while it lives, for its thumbnail.
struct Zeilenfoto {
    std::uint64_t Nummer = 0;
    QString Pfad;  // absolute, as it was added
    QString Echt;  // dateikennung: the same file under another name or a hard link is a repeat
    QSize Groesse; // upright; empty while the thumbnail is Offen
    Vorschaustand Vorschau = Vorschaustand::Offen;
};

// A card's sound in a row: its file and the name typed for it (empty: the file's).
struct Zeilenton {
    QString Pfad;
    QString Name;
};

struct Paarzeile {
    std::uint64_t Nummer = 0; // the row's own number while it lives (its first photo's thumbnail)
    QString Pfad;             // the first photo, absolute, as it was added; empty: a text
    QString Echt;             // dateikennung: the same file under another name or a hard link is a repeat
    QString Name;             // the name card's text
    QSize Groesse;            // upright; empty while the thumbnail is Offen
    Vorschaustand Vorschau = Vorschaustand::Offen;
    QString Text;             // the first card's text when there is no first photo
    Zweitart Zweite = Zweitart::GleichesFoto;
    Zeilenfoto Zweitfoto;     // with Zweitart::Foto
    QString Zweittext;        // with Zweitart::Text
    // The first and the second card's sound. A text card whose text is empty and that has a
    // sound is a sound card; the photo shown again has the first card's sound.
    Zeilenton Toene[2];

    bool istText() const { return Pfad.isEmpty(); }
    QString dateiname() const;
    Ausrichtung ausrichtung() const;
};

// The kinds of second card a row may have: a text has no photo to show again or to name.
bool zweitartMoeglich(const Paarzeile& zeile, Zweitart art);

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
    // list or earlier in pfade (by dateikennung) and without missing files.
    Aufnahme pruefe(const QStringList& pfade) const;
    // Appends the rows of a pruefe() made on the list as it is now; returns the first new row.
    int nimmAuf(const Aufnahme& aufnahme);
    // pruefe() and nimmAuf(); returns what was left out.
    std::vector<Ausgelassen> fuegeHinzu(const QStringList& pfade);
    // Appends the pairs; a photo missing or already in the list leaves its pair out (named with
    // its Herkunft). A text beside a photo is the row's typed second card. Returns the first
    // new row, -1 for none; the photos' thumbnails are then open as for added photos.
    int fuegePaareHinzu(const Paarangaben& paare);
    // fuegePaareHinzu() with the pairs of the list file `pfad` read as `gelesen`; the header
    // choice below then applies to it.
    int fuegeListeHinzu(const QString& pfad, const Listenergebnis& gelesen);
    // The checkbox "Erste Zeile ist eine Überschrift" of the last list added: whether its first
    // line is left out; nullopt when no list was added.
    std::optional<bool> listenkopf() const { return listenkopf_; }
    // The languages the titles of the last list that named one gave its columns.
    std::optional<Vorlesesprachen> listensprachen() const { return listensprachen_; }
    // The user's choice for that first line: a header takes its row out, a pair reads the list
    // again and puts the line's row before the list's first row still there (else at the end).
    // Returns that row (-1 for none) and the list's refusal, when it now refuses.
    struct Kopfwechsel {
        int Zeile = -1;
        QString Meldung;
    };
    Kopfwechsel setzeListenkopf(bool ueberschrift);
    // fuegePaareHinzu() with the pairs of a written game (leseSpiel): a photo's text card is its
    // name card, so the row's name shown by kind Name.
    int fuegeSpielHinzu(const Paarangaben& paare);
    // A text-text row at the end, both texts still to type; returns its row.
    int fuegeTextpaarHinzu();

    // 0 <= zeile < anzahl()
    void entferne(int zeile);
    // Swaps the row with its neighbour; false when there is none.
    bool verschiebe(int zeile, int richtung);
    // Texts typed lose their format characters (ohneFormatzeichen). 0 <= zeile < anzahl()
    void setzeName(int zeile, const QString& name);
    // The first card's text of a text row; 0 <= zeile < anzahl()
    void setzeText(int zeile, const QString& text);
    void setzeZweittext(int zeile, const QString& text);
    // The sound of the row's first (zweite false) or second card; an empty pfad takes it away.
    // False when the card cannot have one of its own (the photo shown again).
    bool setzeTon(int zeile, bool zweite, const Zeilenton& ton);
    // False when the row cannot have that kind, or for Foto (setzeZweitfoto gives it). A second
    // photo the row leaves is out of the list.
    bool setzeZweitart(int zeile, Zweitart art);
    // The row's second card becomes the photo; the empty string when it did, else why not
    // (the photo is then left out as fuegeHinzu leaves one out).
    QString setzeZweitfoto(int zeile, const QString& pfad);
    // The photos whose thumbnails are open, from row `ab` on: number and path.
    std::vector<std::pair<std::uint64_t, QString>> offeneFotos(int ab = 0) const;
    // The thumbnail of photo nummer is made: its row, or -1 when the row is gone.
    int vorschauFertig(std::uint64_t nummer, QSize groesse);
    // Photo nummer cannot be read: its row is removed and left out (a second photo alone: the
    // row's second card is the first photo or its name again). The row it had, or -1.
    int nichtLesbar(std::uint64_t nummer, const QString& grund);
    // The quick setting: every photo row whose second card is the photo again or its name
    // shows the name (or the photo); rows with their own second photo or text stay.
    void setzeMitNamen(bool mitNamen);

    bool mitNamen() const { return mitNamen_; }
    int anzahl() const { return int(zeilen_.size()); }
    // 0 <= i < anzahl()
    const Paarzeile& zeile(int i) const { return zeilen_[std::size_t(i)]; }
    // The row of photo nummer, -1 when there is none.
    int zeileVon(std::uint64_t nummer) const { return zeileVon_.value(nummer, -1); }
    QStringList fotos() const;
    QStringList namen() const;
    // What the writer gets.
    Paarangaben paare() const;
    // Whether a row's second card is another than the quick setting gives, or a row is a text.
    bool mitPaaren() const;
    // Whether a row's second card shows its name.
    bool zeigtNamen() const;
    int offeneVorschauen() const { return offen_; }

    // "Name fehlt", "Text fehlt", "Name doppelt", "Text doppelt" or nothing: about the texts
    // on the row's cards (its name only while a card shows it).
    QString hinweis(int zeile) const;
    // A text on the row's cards is on another row's cards too.
    bool doppelt(int zeile) const;
    // Why the list cannot be written yet for its cards' texts (the first row to look at);
    // empty when it can.
    Namensfehler pruefeTexte() const;
    // The texts on the cards: names shown, texts typed, in row order.
    QStringList kartentexte() const;
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
    // Takes the photo into the list under a new number; false with the reason when it cannot.
    bool nimmFoto(const QString& pfad, Zeilenfoto& foto, QString& grund);
    void lasseZweitfoto(Paarzeile& zeile);
    // The row's texts on cards, each with whether it is its name.
    std::vector<std::pair<QString, bool>> texteVon(const Paarzeile& zeile) const;

    std::vector<Paarzeile> zeilen_;
    QHash<std::uint64_t, int> zeileVon_;
    QSet<QString> echt_;
    std::vector<int> doppelt_; // 0 none, 1 the name, 2 a text
    std::vector<Ausgelassen> ausgelassen_;
    std::uint64_t naechste_ = 1;
    int offen_ = 0;
    bool mitNamen_ = false;
    std::optional<bool> listenkopf_;
    std::optional<Vorlesesprachen> listensprachen_;
    QString listenpfad_;
    std::uint64_t kopfNummer_ = 0;  // the first line's row while it is a pair
    std::uint64_t ersteNummer_ = 0; // the row of the list's second line, before which the first goes
};
