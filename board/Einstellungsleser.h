#pragma once

#include "board/Einstellungsergebnis.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringView>

class Meldungen;

// The comment line under which setting 12 is read, exactly as the writer
// writes it; any other block after setting 11 is the user's own note.
inline constexpr QStringView KopfBildpaareJeRunde = u"# 12. Bildpaare je Runde";
// The same for setting 13, read after setting 12 or, without it, after 11.
inline constexpr QStringView KopfTexteVorlesen = u"# 13. Texte vorlesen";

// Reads the settings from the contents of "Paarlix.ini". Stops at the first
// error and describes it in the result; never shows anything itself.
// zahlenformat: the locale whose decimal separator setting 6 uses (the C
// locale's "." form is accepted as well, unless "." groups thousands there).
Einstellungsergebnis leseEinstellungen(const QByteArray& dateiinhalt,
                                       const QLocale& zahlenformat = QLocale::system());

// Reads the settings file at pfad; a file that cannot be opened or read, or
// that is no regular file, gives Meldungsform::DateiFehlt with
// "Ini-Datei Paarlix.ini nicht gefunden.".
Einstellungsergebnis leseEinstellungsdatei(const QString& pfad,
                                           const QLocale& zahlenformat = QLocale::system());

// Shows the result's message, if any, in the box its Meldungsart asks for.
void meldeEinstellungsfehler(const Einstellungsergebnis& ergebnis, Meldungen& meldungen);
