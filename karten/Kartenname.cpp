#include "karten/Kartenname.h"

#include <QFileInfo>

#include <array>

namespace {

// Prefixes of cameras, phones and their apps, longest first so that "mvimg" is not "img".
constexpr std::array Kameravorsilben = {
    "whatsapp image", "screenshot", "mvimg", "image", "photo", "foto", "bild", "gopr", "pano", "pict",
    "imag", "cimg", "dscn", "dscf", "dsc", "pxl", "vid", "img", "dji", "sam", "gh", "gx", "p",
};
// Letter groups that cameras put between or after the numbers (WhatsApp's "WA0001", a
// motion photo's ".MP", an edited "IMG_E2041", "… at 14.33.21", copies).
constexpr std::array Kamerawoerter = {"wa", "mp", "hdr", "burst", "cover", "portrait", "night", "at", "um",
                                      "t", "e", "am", "pm", "edited", "bearbeitet", "copy", "kopie"};

bool istTrenner(QChar c) { return c.isSpace() || c == '_' || c == '-' || c == '.' || c == '(' || c == ')' || c == '~' || c == ','; }

} // namespace

QString kartenname(const QString& dateipfad)
{
    QString name = dateipfad.mid(dateipfad.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    if (punkt > 0)
        name.truncate(punkt);
    return name.trimmed();
}

bool istKameraname(const QString& name)
{
    QString rest = name.trimmed().toLower();
    while (!rest.isEmpty() && istTrenner(rest.front()))
        rest.remove(0, 1);
    bool vorsilbe = false;
    for (const char* silbe : Kameravorsilben) {
        const QString s = QString::fromLatin1(silbe);
        // The prefix must be followed by a separator or a digit: "Paul" is no "P".
        if (rest.startsWith(s) && (rest.size() == s.size() || !rest[s.size()].isLetter())) {
            rest.remove(0, s.size());
            vorsilbe = true;
            break;
        }
    }
    int ziffern = 0;
    for (qsizetype i = 0; i < rest.size();) {
        if (rest[i].isDigit()) {
            ++ziffern;
            ++i;
        } else if (istTrenner(rest[i])) {
            ++i;
        } else if (rest[i].isLetter()) {
            qsizetype ende = i;
            while (ende < rest.size() && rest[ende].isLetter())
                ++ende;
            const QString wort = rest.mid(i, ende - i);
            if (std::none_of(Kamerawoerter.begin(), Kamerawoerter.end(),
                             [&](const char* w) { return wort == QLatin1String(w); }))
                return false;
            i = ende;
        } else {
            return false;
        }
    }
    // A camera's counter has four digits at least; without a prefix only a date and time
    // (eight digits and more) is one, so "2041" may stay a name.
    return vorsilbe ? ziffern >= 4 : ziffern >= 8;
}

QString vorgeschlagenerName(const QString& pfad)
{
    const QString name = kartenname(pfad);
    return istKameraname(name) ? QString() : name;
}
