// Feeds arbitrary bytes to the pair list reader as a list's text, read
// against a folder that holds two small pictures, a broken one, a file that
// is no picture and a subfolder (see Paarlisteneingabe.h).
#include "fuzz/FuzzUmgebung.h"
#include "fuzz/Paarlisteneingabe.h"
#include "neuesspiel/Paarlistendatei.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

void schreibe(const QString& name, const QByteArray& daten)
{
    schreibeEingabe(name, reinterpret_cast<const std::uint8_t*>(daten.constData()), std::size_t(daten.size()));
}

QByteArray bild(const char* format, QSize groesse)
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(qRgb(200, 120, 40));
    QByteArray daten;
    QBuffer puffer(&daten);
    if (!puffer.open(QIODevice::WriteOnly) || !bild.save(&puffer, format))
        std::abort();
    return daten;
}

// The list folder, made once per process.
const QString& listenordner()
{
    static const QString ordner = [] {
        namespace e = paarlisteneingabe;
        const QString pfad = eingabeordner();
        if (!QDir(pfad).mkpath(QString::fromLatin1(e::ordner)))
            std::abort();
        schreibe(QString::fromLatin1(e::fotoPng), bild("PNG", {6, 4}));
        schreibe(QString::fromLatin1(e::fotoBmp), bild("BMP", {3, 5}));
        schreibe(QString::fromLatin1(e::kaputt), "kein Bild");
        schreibe(QString::fromLatin1(e::notiz), "eine Notiz");
        return pfad;
    }();
    return ordner;
}

// Lines as the reader counts them: ended by LF, CR LF or CR.
int zeilenzahl(const QByteArray& text)
{
    int zeilen = 1;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++zeilen;
    return zeilen;
}

// "Zeile N, Spalte K" with N a line of the text and K a column; the rest after it.
bool nenntStelle(const QString& text, int zeilen, QString* rest = nullptr)
{
    static const QRegularExpression stelle(QStringLiteral("^Zeile ([1-9][0-9]*), Spalte ([1-9][0-9]*)"));
    const QRegularExpressionMatch treffer = stelle.match(text);
    if (!treffer.hasMatch() || treffer.captured(1).toLongLong() > zeilen)
        return false;
    if (rest)
        *rest = text.mid(treffer.capturedLength());
    else if (treffer.capturedLength() != text.size())
        return false;
    return true;
}

// A card stands for a photo or for a text, never both; the photo was found.
bool karteGut(const Kartenangabe& karte, int zeilen)
{
    if (karte.istFoto() == !karte.Text.isEmpty() || karte.Anzeigename.isEmpty()
        || !nenntStelle(karte.Herkunft, zeilen))
        return false;
    return !karte.istFoto() || QFileInfo(karte.Foto).isFile();
}

// Each refusal on its own line, naming where it is; a long list of them ends
// with their count. A list without a single pair has no place to name.
bool meldungGut(const QString& meldung, int zeilen)
{
    if (meldung == QStringLiteral("Die Liste enthält kein Paar."))
        return true;
    static const QRegularExpression weitere(QStringLiteral("^… und [1-9][0-9]* weitere Fehler\\.$"));
    const QStringList teile = meldung.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < teile.size(); ++i) {
        QString rest;
        if (i > 0 && i + 1 == teile.size() && weitere.match(teile[i]).hasMatch())
            continue;
        if (!nenntStelle(teile[i], zeilen, &rest) || !rest.startsWith(QStringLiteral(": ")) || rest.size() < 3)
            return false;
    }
    return true;
}

void pruefe(const Listenergebnis& e, int zeilen)
{
    if (!e.Meldung.isEmpty()) {
        berichte(e.Meldung);
        if (!e.Paare.empty() || !meldungGut(e.Meldung, zeilen))
            std::abort();
        return;
    }
    berichte(QStringLiteral("%1 pairs read").arg(e.Paare.size()));
    if (e.Paare.empty())
        std::abort();
    for (const Paarangabe& paar : e.Paare) {
        // An empty second card shows the first card's photo again.
        const bool zweiteGut = paar.Zweite == Kartenangabe{} ? paar.Erste.istFoto()
            : karteGut(paar.Zweite, zeilen);
        if (!karteGut(paar.Erste, zeilen) || !zweiteGut)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sichereAnwendung();
    const QByteArray inhalt(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const Listenergebnis e = lesePaarlistentext(inhalt, listenordner());
        pruefe(e, zeilenzahl(inhalt));
    } catch (const std::bad_alloc&) {
    }
    return 0;
}
