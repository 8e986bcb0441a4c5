#pragma once

#include "board/Spieleinstellungen.h"
#include "board/Spielfassung.h"
#include "board/Zellcode.h"
#include "play/Ansagen.h"
#include "play/Fokusbewegung.h"
#include "play/Kartentonvorlauf.h"
#include "play/Zugzustand.h"
#include "platform/Spieldateien.h"
#include "widgets/Rollfenster.h"
#include "platform/Zufallsquelle.h"

#include <QSize>
#include <QString>
#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

struct Ablageraster;
class Ansagefeld;
class Bildziel;
struct Einstellungsergebnis;
class QColor;
class QKeyEvent;
class Meldungen;
class QLineEdit;
class Klangausgabe;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;
class TBildHalter;
class TBitBtn;
class TFokusrahmen;
class TImage;
class TLabel;
class TPanel;
class Uhr;
class Vorleser;
struct Bildarbeitsobjekte;
struct Mehrfachdarstellung;

// Cell tables hold one entry more than the largest row and column count.
constexpr int Tabellengroesse = 101;
template <typename T>
using Zellentabelle = std::array<std::array<T, Tabellengroesse>, Tabellengroesse>;

// The main window: its fixed controls, the start-up and the handlers of play.
class TForm1 final : public Rollfenster {
    Q_OBJECT
public:
    // meldungen and uhr must outlive the window. Without a random source the
    // window seeds its own from the clock at the first activation.
    TForm1(Meldungen& meldungen, Uhr& uhr, std::unique_ptr<Zufallsquelle> zufall = nullptr);
    ~TForm1() override;

    // Shows the window as the settings ask (maximised or at its size, centred).
    void zeigen();

    // Creation handler: reads "Paarlix.ini" from the current working folder.
    void FormCreate();
    // Activation handler: closes the window after a settings error, otherwise
    // builds the game on the first activation only.
    void FormActivate();

    void BildDarstellung(Bildziel& image, const QString& dateiname, const QString& schnittmodus);

    // Fixed controls of the window's layout.
    TPanel* PBildRechts = nullptr;
    TImage* Image1 = nullptr;
    TPanel* PBildLinks = nullptr;
    TImage* Image2 = nullptr;
    TPanel* PBekommeneKarten = nullptr;
    TPanel* PKarten = nullptr;
    TImage* Image3 = nullptr;
    TPanel* PAnfangsEinstellungen = nullptr;
    TPanel* PStatusBar = nullptr;
    TLabel* Label2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    // The player-selection panel's controls.
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    TLabel* Label6 = nullptr;
    QLineEdit* Edit1 = nullptr;
    TLabel* Label7 = nullptr;
    QLineEdit* Edit2 = nullptr;
    TLabel* Label8 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TPanel* Panel18 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label3 = nullptr;

    // The game folder, the current working folder when the window is created,
    // listed once then: every game file is looked up in it by the folder's
    // path, so a save that exchanges the folder leaves nothing unreadable.
    Spieldateien Ordner;

    // Settings.
    Spieleinstellungen Einstellungen;
    bool EinstellungsFehler = false;
    bool Maximiert = true;
    int FensterBreite = 1044;
    int FensterHoehe = 780;

    // Cells: [row][column]. The large pictures are holders that are never shown.
    Zellentabelle<TImage*> KartenRuecken{};
    Zellentabelle<TImage*> KartenBilder{};
    Zellentabelle<TBildHalter*> GrossBilder{};
    Zellentabelle<int> PaarNummern{};

    // Picture work objects, created at the first activation.
    std::unique_ptr<Bildarbeitsobjekte> Arbeitsobjekte;

    // The move rules, where every card lies, whose turn it is and the groups' scores.
    Zugzustand Zug;
    std::array<TPanel*, 2> GruppenPanels{};
    std::array<TLabel*, 2> NamensLabel{};
    std::array<TLabel*, 2> PunkteLabel{};
    // The groups' whole names; NamensLabel may show them cut short.
    std::array<QString, 2> Gruppennamen;
    int KartenProReihe = 1;
    int LinkerRand = 0;
    TLabel* AnDerReiheLabel = nullptr;
    TLabel* ZuegeLabel = nullptr;

    // Handlers of play.
    void IKarteClick(TImage* sender);
    void IBildClick(TImage* sender);
    void Image1Click(TImage* sender);
    void IBildErgebnisClick(TImage* sender);
    void RadioButton1Click();
    void RadioButton2Click();
    void Button1Click();

    // Keyboard and screen reader: the board cell under the focus frame, the
    // frames, and where announcements are spoken.
    Zelle BrettFokus;
    TFokusrahmen* BrettRahmen = nullptr;
    TFokusrahmen* SammelRahmen = nullptr;
    Ansagefeld* Ansage = nullptr;
    // The control a click at the cell would hit: its picture when open on the
    // board, its back when covered, none for an empty place.
    TImage* karteAn(Zelle z) const;
    // The focus frames show once a key has been used in play: a mouse player never sees them.
    bool tastaturBenutzt() const { return tastaturBenutzt_; }
    // A group's full name, as the player selection gave it.
    QString gruppenName(int gruppe) const;

    // The ending, centred over the board once the last pair is cleared away:
    // the result, the single player's best result and "Nochmal spielen".
    // Created at the first ending.
    TPanel* PSpielende = nullptr;
    TLabel* ErgebnisLabel = nullptr;
    TLabel* BestleistungLabel = nullptr;
    TBitBtn* NochmalButton = nullptr;
    // Deals the same pictures anew without reading a file, and starts again as
    // after the first deal (player selection when the settings ask for it).
    // When the game folder was changed since the start, says so and closes the
    // window to be built anew on the folder (see neuAufzubauen).
    void NochmalClick();
    // The game folder's path, taken when the window was created.
    const QString& spielordner() const { return spielordner_; }
    // Closed by "Nochmal spielen" for a changed game: the next window is to be
    // built on spielordner() as it is now.
    bool neuAufzubauen() const { return neuAufzubauen_; }
    // The user's config file where the best results are kept; empty (the
    // default): nothing is remembered.
    void setzeKonfigurationspfad(const QString& pfad) { konfigurationspfad_ = pfad; }
    // Sound: where the sounds go (none: silent; it must outlive the window),
    // and whether they are on at the start: not with --ohne-ton (ohneTon), nor
    // when the key M switched them off last time. After setzeKonfigurationspfad.
    void richteTonEin(Klangausgabe* ausgabe, bool ohneTon);
    bool tonAn() const { return tonAn_; }
    // Where text cards are read aloud when the game's settings ask for it
    // (none: nowhere; it must outlive the window). Silent with the sound.
    void setzeVorleser(Vorleser* vorleser) { vorleser_ = vorleser; }
    // The key M: sound off or on, remembered in the user's config.
    void schalteTonUm();

    // Whether the first activation has built the board (it builds at most once).
    bool aufgebaut() const { return aufgebaut_; }
    // Set when the start failed apart from the settings: an error while the window
    // was created, or the board refused before the deal. The window then closes
    // at its first activation like after a settings error.
    bool StartFehler = false;
    // The run has failed: the program ends with status 1.
    bool mitFehlerBeendet() const { return EinstellungsFehler || StartFehler; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void erzeugeSteuerelemente();
    void erzeugeSpielerauswahl();
    void baueSpielAuf();
    void passeAussengroesseAn();
    QRect verfuegbareFlaeche() const;
    // Top-left corner that centres a window of this outer size on the desktop.
    QPoint zentriert(QSize aussen) const;
    // Steps of the first activation; each returns false when the build must stop.
    bool legeFensterAn();
    void maleSpielfeldhintergrund();
    void erzeugeZellen();
    // Before anything that grows with the settings is allocated: false
    // (after the error box) when it would not fit into memory.
    bool pruefeSpeicher();
    // Reports why the board cannot be built and closes the window.
    void brichAufbauAb(const QString& meldung);
    bool pruefeFensterspeicher(const Einstellungsergebnis& e);
    QSize inGeraetepixeln(QSize s) const;
    void zeichneKartenrueckseiteIn(TImage* ruecken);
    void sofortNeuZeichnen();
    void zeigeFortschritt();
    void teileBilderAus();
    // Puts one dealt picture's finished renderings into its fresh controls.
    void legeBildAb(const Mehrfachdarstellung& d, const QString& dateiname, const QColor& randfarbe,
                    std::initializer_list<Bildziel*> ziele);
    void baueGruppenPanelsAuf();
    // Places, names and points of a game not yet begun; draws the starting group.
    void stelleGruppenPanelsAuf();
    // The ending and the new deal.
    void zeigeSpielende();
    void erzeugeSpielende();
    void zeigeSpielendeBeiBrett(Bildschirmhaelften h);
    void verteileNeu();
    void spieleKlangZu(const Zugschritt& schritt);
    // The text and name cards the steps turn, read aloud.
    void lieseVor(const Zugschritte& schritte);
    // The sounds of the cards the steps turn, queued at the click: heard while they turn.
    void spieleKartentoeneZu(const Zugschritte& schritte);
    // The card shown in this large picture sounds again (when the sound is on)
    // and the screen reader hears its name; false when it has no sound.
    bool spieleGrossbildton(const TImage* grossbild);
    // "Ton: NAME" for a cell whose card has a sound, else empty.
    QString tonTextVon(Zelle z) const;
    // The sound of the card at the cell; none for an empty place.
    Kartenton kartentonAn(Zelle z) const;
    // Play helpers: the steps the move rules answer a click with, carried out.
    // Carries out the steps of a click, then tells keyboard and screen reader.
    // aufBrett: the clicked control is a card (back or picture) on the board.
    void spiele(const Zugschritte& schritte, TImage* geklickt, bool aufBrett);
    void fuehreAus(const Zugschritte& schritte, TImage* geklickt);
    // Puts the cell's controls where a card in this state lies: covered at its
    // cell, open at its cell, or collected into the panel of gruppe, answering
    // clicks, keys and the screen reader as such a card does. No animation.
    void zeigeZelle(Zelle z, Kartenlage lage, int gruppe = 0);
    void zeigeHaelften(Bildschirmhaelften h);
    void Zudecken(Zelle erste, Zelle zweite);
    // How the collected cards lie in a group panel.
    Ablageraster ablageraster() const;
    void lassePanelsWachsen(int gruppe, const std::array<int, 2>& gesammelteKarten);
    void faerbeGruppe(int gruppe, bool markiert);
    void setzeGruppenname(int gruppe, const QString& name);
    void setzePunkte(int gruppe, int punkte);
    void kuerzeGruppenname(int gruppe);
    void setzeNamensfelderAktiv(bool aktiv);
    // Keyboard and screen reader.
    void richteTastaturEin();
    void spielBeginntFuerTastatur();
    bool tasteAufBrett(QKeyEvent* taste);
    bool tasteAufGrossbild(QKeyEvent* taste);
    bool tasteAufSammelkarte(TImage* karte, QKeyEvent* taste);
    void wechsleBereich();
    // After a click's steps: the keys go where the eyes are, the focus frame
    // follows a click on the board (feld), the screen reader hears the news.
    void nachZug(const Zugschritte& schritte, std::optional<Zelle> feld);
    bool tasteAufSpielerauswahl(QObject* watched, QKeyEvent* taste);
    void merkeTastatur();
    void setzeBrettfokus(Zelle z);
    void fokussiereSammelkarte(Sammelplatz platz);
    std::vector<TImage*> gesammelteKarten(int gruppe) const;
    // Group and place of a collected card's control; none for any other control.
    std::optional<Sammelplatz> sammelplatzVon(const QWidget* w) const;
    void zeigeFokusrahmen();
    QString bildnameVon(Zelle z) const;
    // What a screen reader says of the cell's picture: its own description, else "Bild 07a".
    QString bildTextVon(Zelle z) const;
    Ansagestand ansagestand() const;
    void benenneGruppenpanels();
    void aktualisiereZugang(const Zugschritte& schritte);

    // One container per board row keeps showing and hiding a card cheap on big boards.
    std::vector<QWidget*> zeilenContainer_;
    std::vector<std::unique_ptr<TBildHalter>> grossBildHalter_;
    // What each dealt card brings beside its picture, row by row.
    struct Zellkarte {
        QString Beschreibung; // what the picture says of itself; empty when nothing
        Kartenton Ton;        // none for most cards
    };
    std::vector<Zellkarte> zellkarten_;
    // The card at z; an empty one outside the deal.
    const Zellkarte& zellkarte(Zelle z) const;
    // The cells Image1 and Image2 show.
    std::array<std::optional<Zelle>, 2> grossbildZellen_{};
    // With a twelfth setting: the consecutive pairs the folder holds, counted
    // once at the start. A round draws from them when they are more.
    int vorhandenePaare_ = 0;
    // The pictures the last deal laid on the board's first cells; -1 before
    // the first deal.
    int ausgeteilteKarten_ = -1;
    // Each round draws its own pairs: every round reads and deals anew.
    bool ziehtJedeRunde() const;

    Meldungen& meldungen_;
    Uhr& uhr_;
    std::unique_ptr<Zufallsquelle> zufall_;
    bool aktiviert_ = false;
    bool aufgebaut_ = false;
    Sammelplatz sammelFokus_;
    // The client area when the board was built: the panels are laid out for
    // it, also later when a scroll bar has made the client area smaller.
    QSize clientBeimAufbau_;
    QString konfigurationspfad_;
    QString spielordner_;
    // The version of the folder the settings were read from.
    Spielfassung fassung_;
    bool neuAufzubauen_ = false;
    Klangausgabe* klangausgabe_ = nullptr;
    bool tonAn_ = false;
    Vorleser* vorleser_ = nullptr;
    bool tastaturBenutzt_ = false;
};
