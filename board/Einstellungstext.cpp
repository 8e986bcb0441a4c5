#include "board/Einstellungstext.h"

#include <QStringDecoder>

#include <optional>
#include <utility>

QString dekodiereEinstellungstext(const QByteArray& bytes)
{
    if (const std::optional<QStringConverter::Encoding> ausBom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*ausBom, QStringConverter::Flag::Stateless);
        return decoder.decode(bytes);
    }
    // Stateless, so that a sequence cut off at the end of the file is an error too.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1252("windows-1252", QStringConverter::Flag::Stateless);
    return windows1252.decode(bytes);
}

Zeilenleser::Zeilenleser(QString text)
    : text(std::move(text))
{
}

QStringView Zeilenleser::naechsteZeile()
{
    const qsizetype anfang = position;
    const qsizetype laenge = text.size();
    qsizetype ende = anfang;
    while (ende < laenge && text[ende] != u'\n' && text[ende] != u'\r')
        ++ende;
    position = ende;
    if (ende < laenge) {
        position = ende + 1;
        if (text[ende] == u'\r' && position < laenge && text[position] == u'\n')
            ++position;
    }
    return QStringView(text).mid(anfang, ende - anfang);
}
