#pragma once

#include <QByteArray>
#include <QString>

// A file name as the user should read it: valid UTF-8 as such, and every
// byte that is not part of a valid sequence as its Latin-1 character (old
// file names from Windows or from an ISO-8859-1 system).
QString lesbarerDateiname(const QByteArray& roh);

// `text` safe to print on a terminal: control characters (C0, DEL, C1) and
// the bidirectional overrides appear as \xHH or \uHHHH, so a file name
// cannot move the cursor, clear the screen or reorder the line.
QString sichtbar(const QString& text);

// `text` made safe to print (sichtbar) and put in German quotation marks:
// how messages name a file, a card or an entry.
QString sichtbarInAnfuehrung(const QString& text);
