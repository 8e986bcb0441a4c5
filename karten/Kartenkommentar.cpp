#include "karten/Kartenkommentar.h"

#include "karten/JpegKopf.h"
#include "karten/Tonkarte.h"
#include "pictures/Bildbeschreibung.h"
#include "platform/Lesedatei.h"

#include <QStringDecoder>

#include <cstdio>
#include <memory>

namespace {

// Far more segments than any JPEG has before its scan; a file of endless
// empty segments ends here.
constexpr int MaxSegmente = 4096;

constexpr int Com = 0xFE;
constexpr int Sos = 0xDA;

bool liesGenau(std::FILE* datei, char* ziel, std::size_t n)
{
    return std::fread(ziel, 1, n, datei) == n;
}

std::optional<Textseite> markeIn(const QByteArray& kommentar)
{
    for (const Textseite seite : {Textseite::ZuFoto, Textseite::Erste, Textseite::Zweite})
        if (kommentar == textkartenMarke(seite))
            return seite;
    return std::nullopt;
}

// What the walk found before the scan (or before a fault).
struct Marken {
    std::optional<QByteArray> Kommentar; // the first
    std::optional<Textseite> Marke;      // in a later comment
    bool TonMarke = false;               // likewise
    JpegKopf Kopf;
};

Marken leseMarken(std::FILE* datei)
{
    Marken m;
    char soi[2];
    if (!liesGenau(datei, soi, 2) || uchar(soi[0]) != 0xFF || uchar(soi[1]) != 0xD8)
        return m;
    for (int segment = 0; segment < MaxSegmente; ++segment) {
        char kopf[4];
        if (!liesGenau(datei, kopf, 2) || uchar(kopf[0]) != 0xFF)
            return m;
        const int marker = uchar(kopf[1]);
        if (marker == 0xFF) { // fill byte: the next may be the marker
            if (std::fseek(datei, -1, SEEK_CUR) != 0)
                return m;
            continue;
        }
        if (marker == Sos || !liesGenau(datei, kopf + 2, 2))
            return m;
        const int laenge = uchar(kopf[2]) << 8 | uchar(kopf[3]);
        if (laenge < 2)
            return m;
        // Only the first comment is kept whole; a later one is read when it may be the mark.
        const bool markeMoeglich = m.Kommentar
            && (laenge - 2 == textkartenMarke(Textseite::ZuFoto).size() || laenge - 2 == tonkartenMarke().size());
        // Frame headers (among C0..CF) are told apart where the game reads them.
        const bool rahmenMoeglich = marker >= 0xC0 && marker <= 0xCF && !m.Kopf.Gefunden;
        if ((marker == Com && (!m.Kommentar || markeMoeglich)) || rahmenMoeglich) {
            QByteArray inhalt(laenge - 2, Qt::Uninitialized);
            if (!liesGenau(datei, inhalt.data(), std::size_t(inhalt.size())))
                return m;
            if (marker != Com)
                m.Kopf = leseJpegKopf(QByteArray("\xFF\xD8", 2) + QByteArray(kopf, 4) + inhalt);
            else if (!m.Kommentar)
                m.Kommentar = inhalt;
            else if ((m.Marke = markeIn(inhalt)) || (m.TonMarke = inhalt == tonkartenMarke()))
                return m;
        } else if (std::fseek(datei, laenge - 2, SEEK_CUR) != 0) {
            return m;
        }
    }
    return m;
}

QString utf8Text(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

bool hatNamenskartenGroesse(const JpegKopf& kopf)
{
    if (!kopf.Gefunden)
        return false;
    const QSize groesse(kopf.Breite, kopf.Hoehe);
    for (const Kartenformat& format : {Kartenformat{3, 4}, Kartenformat{4, 3}, Kartenformat{1, 1}})
        if (groesse == namenskartenGroesse(format))
            return true;
    return false;
}

} // namespace

Kartenkommentar leseKartenkommentar(const QString& pfad)
{
    Lesedatei lesedatei(pfad);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> datei(lesedatei.alsStream(), &std::fclose);
    if (!datei)
        return {};
    const Marken m = leseMarken(datei.get());
    Kartenkommentar k;
    if (!m.Kommentar)
        return k;
    // The mark follows the text: a lone mark is no text card, and neither is
    // a mark after a blank text (the writer makes none; it would show nothing).
    if (m.Marke || m.TonMarke) {
        const QByteArray& roh = *m.Kommentar;
        const QString text = utf8Text(roh.left(roh.indexOf('\0') < 0 ? roh.size() : roh.indexOf('\0')));
        if (!text.trimmed().isEmpty()) {
            k.Text = text;
            k.Textkarte = m.Marke;
            k.Tonkarte = m.TonMarke;
            return k;
        }
    }
    k.Text = bildbeschreibung(*m.Kommentar, nullptr, 0);
    if (!k.Text.isEmpty() && hatNamenskartenGroesse(m.Kopf))
        k.Textkarte = Textseite::ZuFoto;
    return k;
}
