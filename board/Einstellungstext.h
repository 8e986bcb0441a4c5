#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The settings file as text: valid UTF-8 (with or without byte order mark) is
// read as UTF-8, anything else as Windows-1252, the usual code page of such
// files. A leading byte order mark settles the encoding (UTF-8, or UTF-16/32
// as Windows editors save "Unicode"); broken sequences after it become U+FFFD.
QString dekodiereEinstellungstext(const QByteArray& bytes);

// Hands out the lines of a text one by one. A line ends at LF, at CR LF or at
// a lone CR (files saved with old Mac line ends then still read line by line).
// A line end at the very end of the text does not start another, empty line.
class Zeilenleser {
public:
    explicit Zeilenleser(QString text);

    bool amEnde() const { return position >= text.size(); }
    // Precondition: !amEnde(). The view stays valid as long as the reader lives.
    QStringView naechsteZeile();

private:
    QString text;
    qsizetype position = 0;
};
