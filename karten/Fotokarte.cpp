#include "karten/Fotokarte.h"

#include "pictures/Arbeitsbitmap.h"
#include "pictures/Bildart.h"
#include "pictures/BmpLeser.h"
#include "pictures/HeifLeser.h"
#include "pictures/JpegDekodierer.h"
#include "platform/PaarlixFehler.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QStringList>

namespace {

// The decoder's message without the file's name, which the writer's own
// message already gives, and in one line.
QString ohneDateiname(QString text, const QString& pfad)
{
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    QStringList zeilen;
    for (const QString& zeile : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (zeile != QStringLiteral("Datei: ") + pfad)
            zeilen += zeile;
    text = zeilen.join(QLatin1Char(' '));
    text.replace(QStringLiteral("Datei ") + pfad, QStringLiteral("Die Datei"));
    text.replace(QStringLiteral(" \"") + pfad + QStringLiteral("\""), QString());
    return text;
}

} // namespace

bool istJpegDatei(const QString& pfad) { return bildartDerDatei(pfad) == Bildart::Jpeg; }

QSize aufrechteGroesse(const QString& pfad)
{
    if (bildartDerDatei(pfad) == Bildart::Heif) {
        try {
            return leseHeif(pfad, HeifUmfang::Groesse).Groesse;
        } catch (const EPaarlixFehler&) {
            return {};
        }
    }
    QImageReader leser(pfad);
    QSize groesse = leser.size();
    if (leser.transformation() & QImageIOHandler::TransformationRotate90)
        groesse.transpose();
    return groesse.isValid() ? groesse : QSize();
}

QString jpegLesefehler(const QString& quelle, JpegDekodierer& dekodierer, Arbeitsbitmap& probe)
{
    try {
        dekodierer.dekodiere(quelle, probe);
    } catch (const EPaarlixFehler& f) {
        return ohneDateiname(f.text(), quelle);
    }
    return {};
}

QString wandleInJpegUm(const QString& quelle, QByteArray& jpeg)
{
    QImage gelesen;
    QString beschreibung;
    const Bildart art = bildartDerDatei(quelle);
    if (art == Bildart::Bmp) {
        // Qt's reader leaves the pixels of a damaged BMP unset; the game's reader refuses such files.
        try {
            gelesen = leseBmp(quelle);
        } catch (const EPaarlixFehler& f) {
            return ohneDateiname(f.text(), quelle);
        }
    } else if (art == Bildart::Heif) {
        try {
            HeifBild heif = leseHeif(quelle, HeifUmfang::Voll);
            gelesen = heif.Bild;
            beschreibung = heif.Beschreibung;
        } catch (const EPaarlixFehler& f) {
            return ohneDateiname(f.text(), quelle);
        } catch (const std::bad_alloc&) {
            return QStringLiteral("nicht genug Arbeitsspeicher");
        }
    } else {
        QImageReader leser(quelle);
        leser.setAutoTransform(true);
        if (!leser.canRead())
            return QStringLiteral("kein bekanntes Bildformat");
        gelesen = leser.read();
        if (gelesen.isNull())
            return QStringLiteral("die Bilddaten sind nicht lesbar");
    }
    QImage bild(gelesen.size(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    // Qt's JPEG writer stores it as the comment the game reads the description from.
    if (!beschreibung.isEmpty())
        bild.setText(QStringLiteral("Description"), beschreibung);
    QPainter maler(&bild);
    maler.drawImage(0, 0, gelesen);
    maler.end();
    QBuffer puffer(&jpeg);
    if (!puffer.open(QIODevice::WriteOnly) || !bild.save(&puffer, "JPG", KartenJpegQualitaet))
        return QStringLiteral("es lässt sich nicht als JPEG speichern");
    return {};
}
