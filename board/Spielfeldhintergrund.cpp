#include "board/Spielfeldhintergrund.h"

#include "board/Zellcode.h"
#include "platform/Systemfarben.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace {

// Windows-1252 codes 128 to 159; 0 marks the five undefined ones.
constexpr char16_t cp1252Oben[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

} // namespace

QFont spielfeldSchrift()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(21);
    return f;
}

QChar windows1252Zeichen(int code)
{
    if (code >= 128 && code <= 159) {
        const char16_t u = cp1252Oben[code - 128];
        return u == 0 ? QChar(u' ') : QChar(u);
    }
    return QChar(static_cast<char16_t>(code));
}

QString spaltenbuchstabe(int spalte)
{
    return QString(windows1252Zeichen(65 + spalte));
}

QString zeilennummer(int zeile, int zeilen)
{
    return QString::number(zeilen - zeile);
}

QPoint spaltenbuchstabePosition(const Spieleinstellungen& e, int spalte, int w, int h, bool unten)
{
    // Centred over the column, in the margin above the first row or below the last.
    const QPoint zelle = zellPosition(unten ? e.Zeilen : 0, spalte, e.KartenBreite, e.KartenHoehe, e.AbstandX,
                                      e.AbstandY);
    const int mitte = zelle.x() + e.KartenBreite / 2;
    int top = (Brettrand - h) / 2;
    if (unten)
        top += zelle.y() - e.AbstandY;
    return QPoint(mitte - w / 2, top);
}

QPoint zeilennummerPosition(const Spieleinstellungen& e, int zeile, int w, int h, bool rechts)
{
    // Centred beside the row, in the margin left of the first column or right of the last.
    const QPoint zelle = zellPosition(zeile, rechts ? e.Spalten : 0, e.KartenBreite, e.KartenHoehe, e.AbstandX,
                                      e.AbstandY);
    const int mitte = zelle.y() + e.KartenHoehe / 2;
    int left = (Brettrand - w) / 2;
    if (rechts)
        left += zelle.x() - e.AbstandX;
    return QPoint(left, mitte - h / 2);
}

QImage zeichneSpielfeldhintergrund(QSize groesse, const Spieleinstellungen& e)
{
    if (groesse.isEmpty())
        return QImage();
    QImage bild(groesse, QImage::Format_RGB32);
    if (bild.isNull())
        return bild;
    const QColor farbe = bgrFarbe(Spielfeldfarbe);
    bild.fill(farbe);

    const QFont schrift = spielfeldSchrift();
    const QFontMetrics fm(schrift);
    QPainter p(&bild);
    p.setFont(schrift);
    p.setPen(QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText));
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(farbe);

    // Text is placed by its top-left corner, as the measured w x h box.
    const auto schreibe = [&](QPoint ecke, int w, int h, const QString& text) {
        p.drawText(QRect(ecke, QSize(w, h)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    };
    for (int c = 0; c < e.Spalten; ++c) {
        const QString text = spaltenbuchstabe(c);
        const int w = fm.horizontalAdvance(text);
        const int h = fm.height();
        schreibe(spaltenbuchstabePosition(e, c, w, h, false), w, h, text);
        schreibe(spaltenbuchstabePosition(e, c, w, h, true), w, h, text);
    }
    for (int r = 0; r < e.Zeilen; ++r) {
        const QString text = zeilennummer(r, e.Zeilen);
        const int w = fm.horizontalAdvance(text);
        const int h = fm.height();
        schreibe(zeilennummerPosition(e, r, w, h, false), w, h, text);
        schreibe(zeilennummerPosition(e, r, w, h, true), w, h, text);
    }
    return bild;
}
