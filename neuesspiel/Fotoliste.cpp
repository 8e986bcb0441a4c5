#include "neuesspiel/Fotoliste.h"

#include "neuesspiel/Bildplan.h"
#include "neuesspiel/Brettwahl.h"
#include "neuesspiel/Kartenformat.h"
#include "neuesspiel/Textkarte.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
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

QString vereinfacht(const QString& name) { return name.simplified().toCaseFolded(); }

} // namespace

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

std::vector<bool> doppelteNamen(const QStringList& namen)
{
    std::vector<bool> doppelt(std::size_t(namen.size()), false);
    QHash<QString, qsizetype> erster;
    for (qsizetype i = 0; i < namen.size(); ++i) {
        const QString schluessel = vereinfacht(namen[i]);
        if (schluessel.isEmpty())
            continue;
        const auto gefunden = erster.constFind(schluessel);
        if (gefunden == erster.constEnd()) {
            erster.insert(schluessel, i);
            continue;
        }
        doppelt[std::size_t(*gefunden)] = true;
        doppelt[std::size_t(i)] = true;
    }
    return doppelt;
}

bool natuerlichVor(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            // Numbers by value: without leading zeros the longer one is larger.
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            QStringView za = QStringView(a).mid(i, ei - i);
            QStringView zb = QStringView(b).mid(j, ej - j);
            while (za.size() > 1 && za.front() == '0')
                za = za.mid(1);
            while (zb.size() > 1 && zb.front() == '0')
                zb = zb.mid(1);
            if (za.size() != zb.size())
                return za.size() < zb.size();
            if (const int v = za.compare(zb); v != 0)
                return v < 0;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a[i].toCaseFolded();
        const QChar cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b;
}

QString spielnameFuer(const QString& fotopfad)
{
    const QString ordner = QFileInfo(fotopfad).absoluteDir().dirName();
    return ordner.isEmpty() ? QStringLiteral("Neues Spiel") : ordner;
}

QString spielnameFehler(const QString& name)
{
    const QString n = name.trimmed();
    if (n.isEmpty())
        return QStringLiteral("Bitte einen Namen für das Spiel eingeben.");
    if (n == QLatin1String(".") || n == QLatin1String("..") || n.contains('/') || n.startsWith('.'))
        return QStringLiteral("Der Name „%1“ geht nicht als Ordnername (kein „/“ und kein Punkt am Anfang).")
            .arg(n);
    if (QFile::encodeName(n).size() > 255)
        return QStringLiteral("Der Name ist zu lang.");
    return {};
}

Namensfehler pruefeNamen(const QStringList& namen, bool mitNamen)
{
    if (!mitNamen)
        return {};
    int leer = 0;
    int ersteLeere = -1;
    for (qsizetype i = 0; i < namen.size(); ++i)
        if (namen[i].trimmed().isEmpty()) {
            ++leer;
            if (ersteLeere < 0)
                ersteLeere = int(i);
        }
    if (leer == 1)
        return {QStringLiteral("Bitte dem Foto in Zeile %1 einen Namen geben.").arg(ersteLeere + 1), ersteLeere};
    if (leer > 1)
        return {QStringLiteral("Bitte allen Fotos einen Namen geben (%1 fehlen, zuerst in Zeile %2).")
                    .arg(leer).arg(ersteLeere + 1),
                ersteLeere};
    const std::vector<bool> doppelt = doppelteNamen(namen);
    const auto erstes = std::find(doppelt.begin(), doppelt.end(), true);
    if (erstes != doppelt.end()) {
        const int zeile = int(erstes - doppelt.begin());
        return {QStringLiteral("Der Name „%1“ steht mehrmals in der Liste. Zwei gleiche Namenskarten "
                               "machen das Spiel unfair: bitte die Namen unterscheiden.")
                    .arg(namen[zeile].trimmed()),
                zeile};
    }
    return {};
}

namespace {

std::vector<QSize> bekannteGroessen(const std::vector<QSize>& fotos)
{
    std::vector<QSize> bekannt;
    for (const QSize& foto : fotos)
        if (!foto.isEmpty())
            bekannt.push_back(foto);
    return bekannt;
}

// The second line about names too small to read on the board; empty when all can be read.
QString namensHinweis(const Brettfrage& frage, const Spielfeld& feld)
{
    const QSize karte = namenskartenGroesse(frage.Format);
    int kleinste = 0;
    for (const QString& name : frage.Namen)
        if (!name.trimmed().isEmpty()) {
            const int pixel = setzeText(name.trimmed(), karte).Pixel;
            kleinste = kleinste == 0 ? pixel : std::min(kleinste, pixel);
        }
    // The name card fills its card, so the text shrinks with the card's height.
    const auto aufDemBrett = [&](int kartenhoehe) { return kleinste * kartenhoehe / karte.height(); };
    const int pixel = aufDemBrett(feld.Wahl.Karte.height());
    if (kleinste == 0 || pixel >= MinNamenPixel)
        return {};
    QString text = QStringLiteral("\nDie Namen wären auf den Karten nur %1 Pixel hoch und schwer zu lesen").arg(pixel);
    for (int paare = feld.Paare - 1; paare >= 1; --paare)
        if (aufDemBrett(waehleBrettMitLuecken(paare, frage.Format, frage.Bildschirm).Karte.height()) >= MinNamenPixel)
            return text + QStringLiteral("; mit „Je Runde %1 Paare“ werden sie lesbar.").arg(paare);
    return text + QStringLiteral("; kürzere Namen werden größer.");
}

} // namespace

Brettfrage brettfrage(const std::vector<QSize>& fotos, QSize bildschirm, int jeRunde)
{
    // The writer's own rule: the card format from the photos read so far.
    return {int(fotos.size()), waehleKartenformat(bekannteGroessen(fotos)), bildschirm, jeRunde};
}

Brettvorschau brettvorschau(const Brettfrage& frage)
{
    const int paare = frage.Paare;
    if (paare == 0)
        return {false, 0, 0, {}, QStringLiteral("Noch keine Fotos.")};
    if (paare < MinBilder)
        return {false, 0, 0, {}, QStringLiteral("1 Foto – für ein Spiel werden mindestens %1 gebraucht.").arg(MinBilder)};
    const Spielfeld feld = waehleSpielfeld(paare, frage.JeRunde, frage.Format, frage.Bildschirm);
    const BrettMitLuecken& wahl = feld.Wahl;
    if (!feld.Gut)
        return {false, wahl.Brett.Spalten, wahl.Brett.Zeilen, wahl.Karte, feld.Fehler, feld.Paare, wahl.Frei};
    return {true, wahl.Brett.Spalten, wahl.Brett.Zeilen, wahl.Karte,
            QStringLiteral("%1, je %2 × %3 Pixel auf diesem Bildschirm")
                    .arg(spielfeldText(feld, paare, true)).arg(wahl.Karte.width()).arg(wahl.Karte.height())
                + namensHinweis(frage, feld),
            feld.Paare, wahl.Frei};
}

Brettvorschau brettvorschau(const std::vector<QSize>& fotos, QSize bildschirm)
{
    return brettvorschau(brettfrage(fotos, bildschirm));
}

Brettvorschauen::Schritt Brettvorschauen::frage(const Brettfrage& frage)
{
    // Too few photos is answered at once; a running answer to an older question is then dropped.
    if (frage.Paare < MinBilder) {
        gefragt_.reset();
        return {brettvorschau(frage), std::nullopt};
    }
    gefragt_ = frage;
    if (antwort_ && antwort_->first == frage)
        return {antwort_->second, std::nullopt};
    Schritt schritt{{false, 0, 0, {}, QStringLiteral("Spielfeld wird berechnet …")}, std::nullopt};
    // Names change only the line about them: the board answered stays meanwhile.
    if (antwort_) {
        Brettfrage ohneNamen = frage;
        ohneNamen.Namen = antwort_->first.Namen;
        if (ohneNamen == antwort_->first)
            schritt.Zeigen = antwort_->second;
    }
    if (!rechnet_) {
        rechnet_ = true;
        schritt.Starte = frage;
    }
    return schritt;
}

std::optional<Brettfrage> Brettvorschauen::beantwortet(const Brettfrage& frage, const Brettvorschau& antwort)
{
    rechnet_ = false;
    if (gefragt_ && *gefragt_ == frage)
        antwort_.emplace(frage, antwort);
    if (!gefragt_ || (antwort_ && antwort_->first == *gefragt_))
        return std::nullopt;
    rechnet_ = true;
    return gefragt_;
}
