#include "neuesspiel/Spielschreiber.h"

#include "neuesspiel/Beschriftung.h"
#include "neuesspiel/Bildplan.h"
#include "neuesspiel/Einstellungsvorlage.h"
#include "neuesspiel/Entwurf.h"
#include "neuesspiel/Kartenformat.h"
#include "neuesspiel/Kartentext.h"
#include "neuesspiel/Namenskarte.h"
#include "neuesspiel/Spielordnerpruefung.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/BmpLeser.h"
#include "pictures/JpegDekodierer.h"
#include "platform/Dateiname.h"
#include "platform/Dateischreiben.h"
#include "platform/PaarlixFehler.h"
#include "platform/Systemfehler.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QSet>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int JpegQualitaet = 90;
// From this many pictures on, every line carries a progress count.
constexpr int FortschrittAb = 20;
// Pieces of a copy, between which Ctrl+C is noticed.
constexpr qsizetype KopierStueck = 1 << 20;

const QString NichtsGeschrieben = QStringLiteral(" Es wurde nichts geschrieben.");

QString inAnfuehrung(const QString& text) { return QStringLiteral("„") + sichtbar(text) + QStringLiteral("“"); }

QByteArray roh(const QString& pfad) { return QFile::encodeName(pfad); }

// A word for the shell: quoted when it holds anything but plain characters.
QString fuerDieShell(const QString& wort)
{
    static const QString einfach = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+,:@%");
    for (const QChar c : wort)
        if (!einfach.contains(c))
            return sichtbar('\'' + QString(wort).replace(QLatin1Char('\''), QStringLiteral("'\\''")) + '\'');
    return wort;
}

// errno of stat(), or 0.
int statFehler(const QString& pfad, struct stat& info)
{
    return ::stat(roh(pfad).constData(), &info) == 0 ? 0 : errno;
}

struct Quelle {
    QString Pfad; // what is opened
    QString Name; // what the user gave
};

using Dateischluessel = QPair<quint64, quint64>; // device and inode

// Refusal of a given picture that is missing, no plain file or given twice.
QString quellFehler(const Quelle& q, QSet<Dateischluessel>& gesehen)
{
    struct stat info {};
    if (const int f = statFehler(q.Pfad, info)) {
        // The shell hands over a pattern that matched nothing as it is.
        if (f == ENOENT && (q.Name.contains('*') || q.Name.contains('?') || q.Name.contains('[')))
            return QStringLiteral("Zum Suchmuster %1 gibt es keine Datei.").arg(inAnfuehrung(q.Name));
        if (f == ENOENT)
            return QStringLiteral("Das Bild %1 gibt es nicht.").arg(inAnfuehrung(q.Name));
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2").arg(inAnfuehrung(q.Name), systemfehlerText(f));
    }
    // Only plain files: opening a pipe or a device could wait for ever.
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: keine Bilddatei.").arg(inAnfuehrung(q.Name));
    if (::access(roh(q.Pfad).constData(), R_OK) != 0)
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2").arg(inAnfuehrung(q.Name), systemfehlerText(errno));
    const Dateischluessel schluessel(quint64(info.st_dev), quint64(info.st_ino));
    if (gesehen.contains(schluessel))
        return QStringLiteral("Das Bild %1 ist doppelt angegeben.").arg(inAnfuehrung(q.Name));
    gesehen.insert(schluessel);
    return {};
}

// Two pictures whose name cards would read the same make a game that cannot be won fairly.
QString namensFehler(const std::vector<Bildauftrag>& plan, const QVector<Quelle>& quellen)
{
    QHash<QString, int> erster;
    for (int i = 0; i < int(plan.size()); ++i) {
        const QString schluessel = plan[std::size_t(i)].Name.normalized(QString::NormalizationForm_C);
        if (const auto da = erster.constFind(schluessel); da != erster.constEnd())
            return QStringLiteral("Die Bilder %1 und %2 ergeben dieselbe Namenskarte %3; zwei gleiche Karten "
                                  "ließen sich nicht gerecht zuordnen. Bitte eines der Bilder umbenennen.")
                .arg(inAnfuehrung(quellen[*da].Name), inAnfuehrung(quellen[i].Name),
                     inAnfuehrung(plan[std::size_t(i)].Name));
        erster.insert(schluessel, i);
    }
    return {};
}

// Refusal of the target folder; empty when the game can go there.
QString zielFehler(const QString& ziel)
{
    struct stat info {};
    const int f = statFehler(ziel, info);
    if (f == ENOENT)
        return {};
    if (f != 0)
        return QStringLiteral("Der Zielordner %1 kann nicht benutzt werden: %2").arg(inAnfuehrung(ziel), systemfehlerText(f));
    if (!S_ISDIR(info.st_mode))
        return inAnfuehrung(ziel) + QStringLiteral(" ist eine Datei und kein Ordner.");
    if (!QDir(ziel).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return QStringLiteral("Der Zielordner %1 ist nicht leer. Bitte einen neuen oder leeren Ordner angeben.")
            .arg(inAnfuehrung(ziel));
    return {};
}

// Makes the missing folders down to `ordner`, outermost first, and lists
// them in `angelegt`. Returns errno, or 0.
int legeOrdnerAn(const QString& ordner, QStringList& angelegt)
{
    QStringList fehlend;
    QString pfad = ordner;
    for (;;) {
        struct stat info {};
        const int f = statFehler(pfad, info);
        if (f == 0) {
            if (!S_ISDIR(info.st_mode))
                return ENOTDIR;
            break;
        }
        if (f != ENOENT)
            return f;
        fehlend.prepend(pfad);
        const QString oben = QFileInfo(pfad).absolutePath();
        if (oben == pfad)
            break;
        pfad = oben;
    }
    for (const QString& neu : fehlend) {
        if (::mkdir(roh(neu).constData(), 0777) != 0)
            return errno;
        angelegt += neu;
    }
    return 0;
}


struct Kopie {
    int Lesefehler = 0;
    int Schreibfehler = 0;
    bool Abgebrochen = false;
};

// Copies a file piece by piece, asking `abgebrochen` between the pieces.
Kopie kopiere(const QString& quelle, const QString& ziel, const std::function<bool()>& abgebrochen)
{
    Kopie k;
    const int ein = ::open(roh(quelle).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (ein < 0) {
        k.Lesefehler = errno;
        return k;
    }
    const int aus = ::open(roh(ziel).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (aus < 0) {
        k.Schreibfehler = errno;
        ::close(ein);
        return k;
    }
    QByteArray stueck(KopierStueck, Qt::Uninitialized);
    for (;;) {
        if (abgebrochen && abgebrochen()) {
            k.Abgebrochen = true;
            break;
        }
        const ssize_t n = ::read(ein, stueck.data(), std::size_t(stueck.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            k.Lesefehler = errno;
            break;
        }
        if (n == 0)
            break;
        for (ssize_t fertig = 0; fertig < n && k.Schreibfehler == 0;) {
            const ssize_t m = ::write(aus, stueck.constData() + fertig, std::size_t(n - fertig));
            if (m < 0 && errno == EINTR)
                continue;
            if (m <= 0)
                k.Schreibfehler = m < 0 ? errno : ENOSPC;
            else
                fertig += m;
        }
        if (k.Schreibfehler)
            break;
    }
    ::close(ein);
    if (::close(aus) != 0 && k.Schreibfehler == 0 && k.Lesefehler == 0 && !k.Abgebrochen)
        k.Schreibfehler = errno;
    return k;
}

bool faengtAn(const QString& pfad, const QByteArray& anfang)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) && datei.read(anfang.size()) == anfang;
}

bool istJpeg(const QString& pfad) { return faengtAn(pfad, QByteArray("\xFF\xD8\xFF", 3)); }

// The upright size from the picture's header, without decoding it; empty
// when the header does not tell (the writing then names the fault).
QSize aufrechteGroesse(const QString& pfad)
{
    QImageReader leser(pfad);
    QSize groesse = leser.size();
    if (leser.transformation() & QImageIOHandler::TransformationRotate90)
        groesse.transpose();
    return groesse.isValid() ? groesse : QSize();
}

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

// Checks a JPEG with the game's own decoder. Returns the reason it cannot be read, or empty.
QString pruefeJpeg(const QString& quelle, JpegDekodierer& dekodierer, Arbeitsbitmap& probe)
{
    try {
        dekodierer.dekodiere(quelle, probe);
    } catch (const EPaarlixFehler& f) {
        return ohneDateiname(f.text(), quelle);
    }
    return {};
}

// Any other picture Qt reads becomes a JPEG; transparency turns white.
QString wandleUm(const QString& quelle, QByteArray& jpeg)
{
    QImage gelesen;
    if (faengtAn(quelle, QByteArrayLiteral("BM"))) {
        // Qt's reader leaves the pixels of a damaged BMP unset; the game's reader refuses such files.
        try {
            gelesen = leseBmp(quelle);
        } catch (const EPaarlixFehler& f) {
            return ohneDateiname(f.text(), quelle);
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
    QPainter maler(&bild);
    maler.drawImage(0, 0, gelesen);
    maler.end();
    QBuffer puffer(&jpeg);
    if (!puffer.open(QIODevice::WriteOnly) || !bild.save(&puffer, "JPG", JpegQualitaet))
        return QStringLiteral("es lässt sich nicht als JPEG speichern");
    return {};
}

// Gives the finished draft its place. An existing empty target keeps its
// folder (it may be the shell's working folder): the files move into it, and
// back again if one cannot. Returns errno, or 0.
int gibPlatz(const QString& entwurf, const QString& ziel, bool zielDa)
{
    if (!zielDa) {
        // Folders made by mkdtemp are private; a game folder is not.
        ::chmod(roh(entwurf).constData(), 0755);
        return ::rename(roh(entwurf).constData(), roh(ziel).constData()) == 0 ? 0 : errno;
    }
    const QDir von(entwurf);
    const QDir nach(ziel);
    QStringList verschoben;
    for (const QString& datei : von.entryList(QDir::Files)) {
        if (::rename(roh(von.filePath(datei)).constData(), roh(nach.filePath(datei)).constData()) != 0) {
            const int f = errno;
            for (const QString& zurueck : verschoben)
                ::rename(roh(nach.filePath(zurueck)).constData(), roh(von.filePath(zurueck)).constData());
            return f;
        }
        verschoben += datei;
    }
    return 0;
}

using Ausgang = Schreibergebnis::Ausgang;

Schreibergebnis beendet(Ausgang art, QString meldung)
{
    Schreibergebnis e;
    e.Art = art;
    e.Meldung = meldung.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return e;
}

Schreibergebnis abgelehnt(const QString& meldung) { return beendet(Ausgang::Abgelehnt, meldung); }
Schreibergebnis fehlgeschlagen(const QString& meldung) { return beendet(Ausgang::Fehlgeschlagen, meldung); }
Schreibergebnis abgebrochen()
{
    return beendet(Ausgang::Abgebrochen, QStringLiteral("Abgebrochen.") + NichtsGeschrieben);
}

// A failure while writing names the game, not the hidden draft.
Schreibergebnis schreibfehler(const QString& ziel, int f)
{
    return fehlgeschlagen(QStringLiteral("Das Spiel %1 kann nicht geschrieben werden: %2")
                              .arg(inAnfuehrung(ziel), systemfehlerText(f))
                          + NichtsGeschrieben);
}

// What the checks found out, for the writing.
struct Plan {
    QVector<Quelle> Quellen;
    std::vector<Bildauftrag> Bilder;
    QString Ziel; // absolute and clean
    Kartenformat Format;
    Spielfeld Feld;
};

// No result: go on.
using Schritt = std::optional<Schreibergebnis>;

// The pictures exist, are plain files, given once, enough, and their name cards differ.
Schritt pruefeBilder(const NeuesSpiel& auftrag, Plan& plan)
{
    for (qsizetype i = 0; i < auftrag.Bilder.size(); ++i)
        plan.Quellen.append({auftrag.Bilder[i], auftrag.Anzeigenamen.value(i, auftrag.Bilder[i])});
    // Missing pictures first: a pattern the shell did not expand arrives as one picture.
    QSet<Dateischluessel> gesehen;
    for (const Quelle& quelle : plan.Quellen)
        if (const QString f = quellFehler(quelle, gesehen); !f.isEmpty())
            return abgelehnt(f + NichtsGeschrieben);
    if (const QString f = anzahlFehler(int(plan.Quellen.size())); !f.isEmpty())
        return abgelehnt(f);
    QStringList genannt;
    for (const Quelle& quelle : plan.Quellen)
        genannt += quelle.Name;
    plan.Bilder = planeBilder(genannt, auftrag.MitNamen);
    for (std::size_t i = 0; i < plan.Bilder.size(); ++i)
        plan.Bilder[i].Quelle = plan.Quellen[qsizetype(i)].Pfad;
    // Names typed in the new-game window replace the file names.
    if (auftrag.MitNamen && auftrag.Namen.size() == auftrag.Bilder.size())
        for (std::size_t i = 0; i < plan.Bilder.size(); ++i)
            plan.Bilder[i].Name = auftrag.Namen[qsizetype(i)].trimmed();
    if (auftrag.MitNamen)
        if (const QString f = namensFehler(plan.Bilder, plan.Quellen); !f.isEmpty())
            return abgelehnt(f + NichtsGeschrieben);
    return {};
}

// The target can take a game, the cards can be lettered, and a board fits the screen.
Schritt planeSpiel(const NeuesSpiel& auftrag, Plan& plan)
{
    plan.Ziel = QDir::cleanPath(QFileInfo(auftrag.Ziel).absoluteFilePath());
    if (const QString f = zielFehler(plan.Ziel); !f.isEmpty())
        return abgelehnt(f);
    // Without any font the card back and the name cards would lack their lettering.
    if (zentrierterText(QStringLiteral("Paarlix"), 40, QPointF(), 1000).isEmpty())
        return fehlgeschlagen(QStringLiteral("Keine Schrift gefunden (Paket fonts-dejavu-core fehlt?)."));
    std::vector<QSize> groessen;
    for (const Quelle& quelle : plan.Quellen) {
        if (auftrag.Abgebrochen && auftrag.Abgebrochen())
            return abgebrochen();
        if (const QSize g = aufrechteGroesse(quelle.Pfad); !g.isEmpty())
            groessen.push_back(g);
    }
    const int anzahl = int(plan.Quellen.size());
    plan.Format = waehleKartenformat(groessen);
    plan.Feld = waehleSpielfeld(anzahl, auftrag.JeRunde, plan.Format, auftrag.Bildschirm);
    if (!plan.Feld.Gut)
        return abgelehnt(plan.Feld.Fehler + NichtsGeschrieben);
    return {};
}

// Makes the folders above the target and the locked draft beside it, after
// removing the drafts of killed runs there.
Schritt legeEntwurfAn(const Plan& plan, Entwurf& entwurf)
{
    const QFileInfo zielInfo(plan.Ziel);
    const QString oben = zielInfo.absolutePath();
    QStringList angelegt;
    const int f = legeOrdnerAn(oben, angelegt);
    entwurf.merkeAngelegt(angelegt);
    if (f)
        return fehlgeschlagen(QStringLiteral("Der Ordner %1 für das Spiel kann nicht angelegt werden: %2")
                                  .arg(inAnfuehrung(oben), systemfehlerText(f)));
    raeumeEntwuerfeAuf(oben);
    if (const int f = entwurf.legeAn(oben, zielInfo.fileName()))
        return fehlgeschlagen(QStringLiteral("In den Ordner %1 kann nicht geschrieben werden: %2")
                                  .arg(inAnfuehrung(oben), systemfehlerText(f)));
    return {};
}

// The settings and the card-back overlay, read back and checked.
Schritt schreibeSpieldateien(const Plan& plan, const QDir& ordner)
{
    const Brettmass& brett = plan.Feld.Wahl.Brett;
    const int jeRunde = plan.Feld.PaareJeRunde;
    const QString ini = ordner.filePath(QStringLiteral("Paarlix.ini"));
    if (const int f = schreibeNeueDatei(ini, einstellungsTextMitBrett(brett.Spalten, brett.Zeilen, plan.Format, jeRunde).toUtf8()))
        return schreibfehler(plan.Ziel, f);
    QByteArray kartentext;
    QBuffer kartentextPuffer(&kartentext);
    kartentextPuffer.open(QIODevice::WriteOnly);
    if (!zeichneKartentext().save(&kartentextPuffer, "BMP"))
        return fehlgeschlagen(QStringLiteral("Die Kartenrückseite kann nicht gezeichnet werden.") + NichtsGeschrieben);
    const QString bmp = ordner.filePath(QStringLiteral("Kartentext.bmp"));
    if (const int f = schreibeNeueDatei(bmp, kartentext))
        return schreibfehler(plan.Ziel, f);
    if (const QStringList f = pruefeEinstellungsdatei(ini, brett.Spalten, brett.Zeilen, plan.Format, jeRunde)
                              + pruefeKartentext(bmp);
        !f.isEmpty())
        return fehlgeschlagen(f.join('\n') + NichtsGeschrieben);
    return {};
}

// Both cards of a pair show one file: the second is the first linked again,
// or a copy where the file system has no links.
Schritt schreibeZweitesBild(const NeuesSpiel& auftrag, const QString& ziel, const QString& a, const QString& b)
{
    if (::link(roh(a).constData(), roh(b).constData()) == 0)
        return {};
    const Kopie k = kopiere(a, b, auftrag.Abgebrochen);
    if (k.Abgebrochen)
        return abgebrochen();
    if (k.Lesefehler || k.Schreibfehler)
        return schreibfehler(ziel, k.Schreibfehler ? k.Schreibfehler : k.Lesefehler);
    return {};
}

// Both cards of one pair; a JPEG is checked with the game's own decoder and
// copied as it is, any other picture becomes a JPEG.
Schritt schreibePaar(const NeuesSpiel& auftrag, const Plan& plan, const Bildauftrag& bild, bool jpeg,
                     const QDir& ordner, JpegDekodierer& dekodierer, Arbeitsbitmap& probe)
{
    const QString& name = plan.Quellen[bild.Paar - 1].Name;
    const QString zielA = ordner.filePath(bild.ZielA);
    QByteArray umgewandelt;
    if (const QString grund = jpeg ? pruefeJpeg(bild.Quelle, dekodierer, probe) : wandleUm(bild.Quelle, umgewandelt);
        !grund.isEmpty())
        return abgelehnt(QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2.")
                             .arg(inAnfuehrung(name), grund.endsWith('.') ? grund.chopped(1) : grund)
                         + NichtsGeschrieben);
    if (jpeg) {
        const Kopie k = kopiere(bild.Quelle, zielA, auftrag.Abgebrochen);
        if (k.Abgebrochen)
            return abgebrochen();
        if (k.Lesefehler)
            return abgelehnt(QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2")
                                 .arg(inAnfuehrung(name), systemfehlerText(k.Lesefehler))
                             + NichtsGeschrieben);
        if (k.Schreibfehler)
            return schreibfehler(plan.Ziel, k.Schreibfehler);
    } else if (const int f = schreibeNeueDatei(zielA, umgewandelt)) {
        return schreibfehler(plan.Ziel, f);
    }
    if (!auftrag.MitNamen)
        return schreibeZweitesBild(auftrag, plan.Ziel, zielA, ordner.filePath(bild.ZielB));
    const QByteArray karte = jpegMitKommentar(zeichneNamenskarte(bild.Name, bild.Paar, plan.Format), bild.Name,
                                              JpegQualitaet);
    if (karte.isEmpty())
        return fehlgeschlagen(QStringLiteral("Die Namenskarte %1 kann nicht gezeichnet werden.")
                                  .arg(inAnfuehrung(bild.Name)) + NichtsGeschrieben);
    if (const int f = schreibeNeueDatei(ordner.filePath(bild.ZielB), karte))
        return schreibfehler(plan.Ziel, f);
    return {};
}

// The line the command line shows for a pair written.
QString paarzeile(const NeuesSpiel& auftrag, const Plan& plan, const Bildauftrag& bild, bool jpeg)
{
    const int anzahl = int(plan.Bilder.size());
    QString zeile;
    if (anzahl >= FortschrittAb)
        zeile = QStringLiteral("[%1/%2] ").arg(bild.Paar, QString::number(anzahl).size()).arg(anzahl);
    return zeile + sichtbar(plan.Quellen[bild.Paar - 1].Name) + QStringLiteral(" → ") + bild.ZielA
           + (auftrag.MitNamen ? QStringLiteral(", Namenskarte %1 → ").arg(inAnfuehrung(bild.Name))
                               : QStringLiteral(" und "))
           + bild.ZielB + (jpeg ? QString() : QStringLiteral(" (in JPEG umgewandelt)"));
}

// The draft becomes the game.
Schritt stelleFertig(const Plan& plan, Entwurf& entwurf)
{
    const bool zielDa = QFileInfo(plan.Ziel).isDir();
    entwurf.raeumeSperrdateiWeg();
    if (const int f = gibPlatz(entwurf.pfad(), plan.Ziel, zielDa))
        return fehlgeschlagen(QStringLiteral("Der Zielordner %1 kann nicht angelegt werden: %2")
                                  .arg(inAnfuehrung(plan.Ziel), systemfehlerText(f))
                              + NichtsGeschrieben);
    // An emptied draft still goes; a renamed one is the game now.
    if (!zielDa)
        entwurf.behalte();
    return {};
}

QString schlusszeile(const NeuesSpiel& auftrag, const Plan& plan)
{
    const BrettMitLuecken& wahl = plan.Feld.Wahl;
    return QStringLiteral("Fertig: %1 (je %2 × %3 Pixel auf einem Bildschirm von "
                          "%4 × %5), %6, in %7. Starten mit: %8 %9")
        .arg(spielfeldText(plan.Feld, int(plan.Bilder.size()), false))
        .arg(wahl.Karte.width()).arg(wahl.Karte.height())
        .arg(auftrag.Bildschirm.width()).arg(auftrag.Bildschirm.height())
        .arg(formatBeschreibung(plan.Format), inAnfuehrung(plan.Ziel), auftrag.Programm, fuerDieShell(plan.Ziel));
}

Schreibergebnis schreibe(const NeuesSpiel& auftrag)
{
    Plan plan;
    if (Schritt s = pruefeBilder(auftrag, plan))
        return *s;
    if (Schritt s = planeSpiel(auftrag, plan))
        return *s;
    Entwurf entwurf;
    if (Schritt s = legeEntwurfAn(plan, entwurf))
        return *s;
    const QDir ordner(entwurf.pfad());
    if (Schritt s = schreibeSpieldateien(plan, ordner))
        return *s;

    JpegDekodierer dekodierer;
    Arbeitsbitmap probe;
    QStringList zeilen;
    const auto mitZeilen = [&zeilen](Schreibergebnis e) {
        e.Zusammenfassung = zeilen;
        return e;
    };
    for (const Bildauftrag& bild : plan.Bilder) {
        if (auftrag.Abgebrochen && auftrag.Abgebrochen())
            return mitZeilen(abgebrochen());
        const bool jpeg = istJpeg(bild.Quelle);
        if (Schritt s = schreibePaar(auftrag, plan, bild, jpeg, ordner, dekodierer, probe))
            return mitZeilen(*s);
        zeilen += paarzeile(auftrag, plan, bild, jpeg);
        if (auftrag.Fortschritt)
            auftrag.Fortschritt(bild.Paar, int(plan.Bilder.size()), zeilen.last());
    }
    if (Schritt s = stelleFertig(plan, entwurf))
        return mitZeilen(*s);
    Schreibergebnis geschrieben = mitZeilen(beendet(Ausgang::Geschrieben, {}));
    geschrieben.Zusammenfassung += schlusszeile(auftrag, plan);
    return geschrieben;
}

} // namespace

Schreibergebnis schreibeNeuesSpiel(const NeuesSpiel& auftrag)
{
    // Runs on a worker of the new-game window: nothing may escape it.
    try {
        return schreibe(auftrag);
    } catch (const std::bad_alloc&) {
        return fehlgeschlagen(QStringLiteral("Das Spiel kann nicht angelegt werden: nicht genug Arbeitsspeicher."));
    } catch (const EPaarlixFehler& f) {
        return fehlgeschlagen(f.text() + NichtsGeschrieben);
    }
}
