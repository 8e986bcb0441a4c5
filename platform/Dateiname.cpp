#include "platform/Dateiname.h"

#include <QStringDecoder>

QString lesbarerDateiname(const QByteArray& roh)
{
    QString text;
    qsizetype i = 0;
    while (i < roh.size()) {
        const uchar b = uchar(roh[i]);
        const int laenge = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (laenge > 1 && i + laenge <= roh.size()) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString zeichen = utf8(roh.mid(i, laenge));
            if (!utf8.hasError() && !zeichen.contains(QChar::ReplacementCharacter)) {
                text += zeichen;
                i += laenge;
                continue;
            }
        }
        text += QChar(b); // ASCII, or a stray byte read as Latin-1
        ++i;
    }
    return text;
}

QString sichtbar(const QString& text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            ergebnis += QString::asprintf("\\x%02X", unsigned(u));
        else if ((u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E || u == 0x200F)
            ergebnis += QString::asprintf("\\u%04X", unsigned(u));
        else
            ergebnis += c;
    }
    return ergebnis;
}

QString sichtbarInAnfuehrung(const QString& text) { return QStringLiteral("„") + sichtbar(text) + QStringLiteral("“"); }
