#include "pictures/Bildbeschreibung.h"

#include <QStringDecoder>

#include <libexif/exif-data.h>

namespace {

// Texts written without anyone describing the picture: camera makers'
// defaults and the comments of image libraries and editors.
bool vonSelbstGeschrieben(const QString& text)
{
    static const char* const ganze[] = {
        "OLYMPUS DIGITAL CAMERA", "SONY DSC", "DIGITAL CAMERA", "KONICA MINOLTA DIGITAL CAMERA",
        "MINOLTA DIGITAL CAMERA", "SAMSUNG", "SAMSUNG CSC", "Exif_JPEG_PICTURE", "AppleMark",
    };
    static const char* const anfaenge[] = {
        "CREATOR: gd-jpeg", "Created with GIMP", "LEAD Technologies", "Intel(R) JPEG Library",
        "File written by Adobe Photoshop", "Optimized by JPEGmini", "Processed By eBay",
    };
    for (const char* ganz : ganze)
        if (text.compare(QLatin1String(ganz), Qt::CaseInsensitive) == 0)
            return true;
    for (const char* anfang : anfaenge)
        if (text.startsWith(QLatin1String(anfang), Qt::CaseInsensitive))
            return true;
    return false;
}

QByteArray exifTextVon(const unsigned char* daten, std::size_t laenge)
{
    if (!daten || laenge == 0 || laenge > 0xFFFF)
        return {};
    ExifData* exif = exif_data_new();
    if (!exif)
        return {};
    // Only read: nothing is to be completed or corrected.
    exif_data_unset_option(exif, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(exif, daten, static_cast<unsigned int>(laenge));
    QByteArray text;
    const ExifEntry* eintrag = exif_content_get_entry(exif->ifd[EXIF_IFD_0], EXIF_TAG_IMAGE_DESCRIPTION);
    if (eintrag && eintrag->data
        && (eintrag->format == EXIF_FORMAT_ASCII || eintrag->format == EXIF_FORMAT_UNDEFINED))
        text = QByteArray(reinterpret_cast<const char*>(eintrag->data), qsizetype(eintrag->size));
    exif_data_unref(exif);
    return text;
}

} // namespace

QString ohneFormatzeichen(QString text)
{
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    return text;
}

QString beschreibungstext(const QByteArray& roh)
{
    const QByteArray bytes = roh.left(roh.indexOf('\0') < 0 ? roh.size() : roh.indexOf('\0'));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    text = ohneFormatzeichen(text).simplified();
    if (text.size() > maxBeschreibung) {
        text.truncate(maxBeschreibung);
        // Never half a surrogate pair.
        if (text.back().isHighSurrogate())
            text.chop(1);
        text = text.trimmed();
    }
    return text;
}

QString bildbeschreibung(const QByteArray& kommentar, const unsigned char* exif, std::size_t exifLaenge)
{
    QString ausKommentar = beschreibungstext(kommentar);
    // Qt's JPEG writer puts the text key before a description given as image text.
    const QLatin1String schluessel("Description: ");
    if (ausKommentar.startsWith(schluessel))
        ausKommentar = ausKommentar.mid(schluessel.size()).trimmed();
    if (!ausKommentar.isEmpty() && !vonSelbstGeschrieben(ausKommentar))
        return ausKommentar;
    const QString ausExif = beschreibungstext(exifTextVon(exif, exifLaenge));
    if (!ausExif.isEmpty() && !vonSelbstGeschrieben(ausExif))
        return ausExif;
    return {};
}
