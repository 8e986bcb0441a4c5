#include "Neuspielbilder.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <cmath>

namespace neuspielbilder {
namespace {

QByteArray gespeichert(const QImage& bild, const char* format)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, format, 95);
    return daten;
}

// APP1 "Exif" with a big-endian TIFF header and one IFD entry: Orientation (0x0112), SHORT.
QByteArray exifSegment(int drehung)
{
    QByteArray tiff("MM\0\x2a\0\0\0\x08", 8);
    tiff += QByteArray("\0\x01", 2);                   // one entry
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8); // tag, type SHORT, count 1
    tiff += char(0);
    tiff += char(drehung);
    tiff += QByteArray(2, '\0');                       // value padding
    tiff += QByteArray(4, '\0');                       // no next IFD
    const QByteArray nutzlast = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    const quint16 laenge = quint16(nutzlast.size() + 2);
    segment += char(laenge >> 8);
    segment += char(laenge & 0xFF);
    return segment + nutzlast;
}

} // namespace

QByteArray wav(double sekunden, double frequenz, double stille)
{
    const int rate = 8000;
    const int leise = int(stille * rate);
    const int proben = int(sekunden * rate) + 2 * leise;
    QByteArray d(44 + proben * 2, '\0');
    const auto u32 = [&](int o, quint32 v) { qToLittleEndian(v, d.data() + o); };
    const auto u16 = [&](int o, quint16 v) { qToLittleEndian(v, d.data() + o); };
    d.replace(0, 4, "RIFF").replace(8, 8, "WAVEfmt ").replace(36, 4, "data");
    u32(4, quint32(d.size() - 8)), u32(16, 16), u16(20, 1), u16(22, 1), u32(24, rate), u32(28, rate * 2);
    u16(32, 2), u16(34, 16), u32(40, quint32(proben * 2));
    for (int i = leise; i < proben - leise; ++i)
        u16(44 + 2 * i, quint16(qint16(12000 * std::sin(2 * M_PI * frequenz * i / rate))));
    return d;
}

QByteArray jpeg(const QColor& farbe, int breite, int hoehe, int drehung)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(farbe);
    QByteArray daten = gespeichert(bild, "JPG");
    if (drehung != 0)
        daten.insert(2, exifSegment(drehung));
    return daten;
}

QByteArray pngHalbDurchsichtig(const QColor& farbe, int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_ARGB32);
    bild.fill(farbe);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite / 2; ++x)
            bild.setPixel(x, y, qRgba(0, 0, 0, 0));
    return gespeichert(bild, "PNG");
}

void schreibe(const QString& pfad, const QByteArray& daten)
{
    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly))
        datei.write(daten);
}

QByteArray lies(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

} // namespace neuspielbilder
