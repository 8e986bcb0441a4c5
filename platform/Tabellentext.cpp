#include "platform/Tabellentext.h"

#include <csv.h>

#include <memory>

namespace {

// What libcsv's callbacks fill in.
struct Sammler {
    std::vector<Tabellenzeile> Saetze;
    Tabellenzeile Offen;
    int Anfang = 0; // the line the open record starts on; 0: none begun
};

void feldFertig(void* daten, size_t laenge, void* sammler)
{
    auto& s = *static_cast<Sammler*>(sammler);
    s.Offen.Felder.emplace_back(static_cast<const char*>(daten), qsizetype(laenge));
}

void satzFertig(int, void* sammler)
{
    auto& s = *static_cast<Sammler*>(sammler);
    s.Offen.Zeile = s.Anfang;
    s.Saetze.push_back(std::move(s.Offen));
    s.Offen = {};
    s.Anfang = 0;
}

// Only the blank is trimmed: a tab may be the separator.
int istLeerzeichen(unsigned char c) { return c == ' '; }

bool istTrenner(char c) { return c == '\t' || c == ';' || c == ','; }

bool istKommentar(const QByteArray& text, qsizetype zeilenanfang)
{
    return zeilenanfang < text.size() && text[zeilenanfang] == '#';
}

// Lines end in LF, CR LF or (old Macs) CR alone.
bool endetZeile(const QByteArray& text, qsizetype i)
{
    return text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
}

bool beginntZeile(const QByteArray& text, qsizetype i) { return i == 0 || endetZeile(text, i - 1); }

// The last byte of the line at i.
qsizetype zeilenende(const QByteArray& text, qsizetype i)
{
    while (i + 1 < text.size() && !endetZeile(text, i))
        ++i;
    return i;
}

// The first tab, semicolon or comma outside quotes, comment lines left out.
// As for libcsv, a quote opens a quoted field only at the field's start.
char trennerVon(const QByteArray& text)
{
    bool inAnfuehrung = false;
    bool feldanfang = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!inAnfuehrung && beginntZeile(text, i) && istKommentar(text, i)) {
            i = zeilenende(text, i);
            continue;
        }
        if (inAnfuehrung) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                ++i;
            else if (c == '"')
                inAnfuehrung = false;
        } else if (istTrenner(c))
            return c;
        else if (c == '"' && feldanfang)
            inAnfuehrung = true;
        else if (c == '\n' || c == '\r')
            feldanfang = true;
        else if (c != ' ')
            feldanfang = false;
    }
    return ';';
}

} // namespace

// libcsv reports no positions: it is fed one byte at a time so that each
// record knows the line it starts on.
Tabelle zerlegeTabellentext(const QByteArray& text)
{
    csv_parser leser {};
    Tabelle ergebnis;
    if (csv_init(&leser, CSV_APPEND_NULL) != 0) {
        ergebnis.Fehler = QStringLiteral("Die Liste kann nicht gelesen werden: zu wenig Speicher.");
        return ergebnis;
    }
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> freigabe(&leser, csv_free);
    csv_set_delim(&leser, static_cast<unsigned char>(trennerVon(text)));
    csv_set_space_func(&leser, istLeerzeichen);

    Sammler sammler;
    int zeile = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (beginntZeile(text, i) && sammler.Anfang == 0 && istKommentar(text, i)) {
            i = zeilenende(text, i);
            ++zeile;
            continue;
        }
        // Line ends and blanks before a record begin nothing (libcsv skips them).
        if (sammler.Anfang == 0 && c != '\r' && c != '\n' && c != ' ')
            sammler.Anfang = zeile;
        if (csv_parse(&leser, &c, 1, feldFertig, satzFertig, &sammler) != 1) {
            ergebnis.Fehler = QStringLiteral("Zeile %1, Spalte %2: Die Liste kann nicht gelesen werden (%3).")
                                  .arg(zeile)
                                  .arg(sammler.Offen.Felder.size() + 1)
                                  .arg(QString::fromUtf8(csv_strerror(csv_error(&leser))));
            return ergebnis;
        }
        if (endetZeile(text, i))
            ++zeile;
    }
    // A line end after the last byte ends every record but one whose quote
    // is still open.
    if (sammler.Anfang != 0) {
        const int anfang = sammler.Anfang;
        const auto spalte = int(sammler.Offen.Felder.size()) + 1;
        csv_parse(&leser, "\n", 1, feldFertig, satzFertig, &sammler);
        if (sammler.Anfang != 0) {
            ergebnis.Fehler = QStringLiteral("Zeile %1, Spalte %2: Ein Anführungszeichen wird nicht geschlossen.")
                                  .arg(anfang)
                                  .arg(spalte);
            return ergebnis;
        }
    }
    csv_fini(&leser, feldFertig, satzFertig, &sammler);
    ergebnis.Saetze = std::move(sammler.Saetze);
    return ergebnis;
}
