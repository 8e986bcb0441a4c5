#pragma once

#include "board/Kartenformat.h"
#include "karten/Textkarte.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

// A card that is only a sound: a text card's background, a loudspeaker sign
// in its upper part and the sound's name below it.

// The name a sound card shows: the typed one, else the file's base name.
QString tonkartenName(const QString& tonpfad, const QString& getippt);

// Draws the card over 0, 0 .. groesse, the sign and the name as paths so that
// a printer gets them sharp. paar >= 1
void maleTonkarte(QPainter& maler, QSize groesse, const QString& name, int paar, Textseite seite);

// The card at namenskartenGroesse(format). Format_RGB32. paar >= 1
QImage zeichneTonkarte(const QString& name, int paar, Textseite seite, const Kartenformat& format = {});

// The comment that marks a JPEG as a sound card Paarlix drew.
QByteArray tonkartenMarke();

// The sound card as a JPEG: its first comment is the name (UTF-8), read out
// for a screen reader, the second tonkartenMarke(). Empty when it cannot be
// encoded or the name is empty.
QByteArray tonkartenJpeg(const QString& name, int paar, Textseite seite, const Kartenformat& format, int qualitaet);
