#pragma once

#include "board/Kartenformat.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

// Which card of a pair a text card is, and so its look.
enum class Textseite {
    ZuFoto, // the text beside its pair's photo (a name card): photo-like background in the pair's hue
    Erste,  // first card of a text-text pair: plain pale cool background
    Zweite, // second card of a text-text pair: plain pale warm background
};

// A text or name card's size: the card format with a long side of 800 pixels
// (600 x 800 for 3:4, 800 x 600 for 4:3, 800 x 800 for 1:1).
QSize namenskartenGroesse(const Kartenformat& format);

// A text set on a card: one font size for all lines.
struct Namenssatz {
    int Pixel = 0;
    QStringList Zeilen;
};

// The most lines of a sentence; a text of at most three words and without
// typed line breaks gets at most three.
inline constexpr int MaxTextZeilen = 5;

// The largest font size at which `text` fits on a card of `groesse` in at
// most three lines (up to three words) or MaxTextZeilen lines (more words,
// or typed line breaks, which are kept; more typed lines than that are all
// kept), broken at blanks and after hyphens. A word too long for a line is
// broken with a hyphen only when the text would otherwise be set smaller
// than 12 pixels on a card shown 116 pixels high (83 on 800), and the cut
// gains a tenth in size. groesse not empty
Namenssatz setzeText(const QString& text, QSize groesse);

// Whether setzeText sets `text` at least `pixel` high on a card of
// `groesse`; false may also mean just below. Unlike setzeText it tries one
// size only: fast for any length. groesse not empty, pixel >= 1
bool setztMindestens(const QString& text, QSize groesse, int pixel);

// The two layers of a text card over 0, 0 .. groesse: the background of
// `seite` (ZuFoto: in the hue of pair `paar`), and the text over it as paths,
// so that a printer gets it sharp at any size. paar >= 1
void maleTextkartenHintergrund(QPainter& maler, QSize groesse, int paar, Textseite seite);
void maleKartentext(QPainter& maler, QSize groesse, const QString& text, int paar, Textseite seite);
// Both layers.
void maleTextkarte(QPainter& maler, QSize groesse, const QString& text, int paar, Textseite seite);

// The card at namenskartenGroesse(format). Format_RGB32. paar >= 1
QImage zeichneTextkarte(const QString& text, int paar, Textseite seite, const Kartenformat& format = {});
// A card of the name cards' size in `format`, white, painted by `male`.
QImage zeichneKartenbild(const Kartenformat& format, const std::function<void(QPainter&, QSize)>& male);

// The comment that marks a JPEG as a text card Paarlix drew, and its side:
// "Paarlix-Textkarte: 0" (ZuFoto), 1 (Erste) or 2 (Zweite).
QByteArray textkartenMarke(Textseite seite);

// `bild` as a JPEG of quality `qualitaet` whose COM segments are `kommentare`
// in this order, right after the JFIF header. Empty when it cannot be
// encoded or a comment is longer than 65533 bytes; empty comments are left out.
QByteArray jpegMitKommentaren(const QImage& bild, const QList<QByteArray>& kommentare, int qualitaet);

// The text card as a JPEG: its first comment is the text (UTF-8), which the
// game reads out for a screen reader, the second textkartenMarke(seite).
// Empty when it cannot be encoded or the text is empty or too long for a comment.
QByteArray textkartenJpeg(const QString& text, int paar, Textseite seite, const Kartenformat& format,
                          int qualitaet);
