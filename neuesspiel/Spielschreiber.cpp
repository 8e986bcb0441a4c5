#include "neuesspiel/Spielschreiber.h"

#include "neuesspiel/Bildplan.h"
#include "neuesspiel/DemoEinstellungen.h"
#include "neuesspiel/DemoKartentext.h"
#include "neuesspiel/DemoPruefung.h"
#include "neuesspiel/DemoSchrift.h"
#include "neuesspiel/Kartenformat.h"
#include "neuesspiel/Namenskarte.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/JpegDekodierer.h"
#include "platform/Dateiname.h"
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
#include <QTextStream>

#include <cerrno>
#include <cstdlib>
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
    QString pfad; // what is opened
    QString name; // what the user gave
};

using Dateischluessel = QPair<quint64, quint64>; // device and inode

// Refusal of a given picture that is missing, no plain file or given twice.
QString quellFehler(const Quelle& q, QSet<Dateischluessel>& gesehen)
{
    struct stat info {};
    if (const int f = statFehler(q.pfad, info)) {
        // The shell hands over a pattern that matched nothing as it is.
        if (f == ENOENT && (q.name.contains('*') || q.name.contains('?') || q.name.contains('[')))
            return QStringLiteral("Zum Suchmuster %1 gibt es keine Datei.").arg(inAnfuehrung(q.name));
        if (f == ENOENT)
            return QStringLiteral("Das Bild %1 gibt es nicht.").arg(inAnfuehrung(q.name));
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2").arg(inAnfuehrung(q.name), systemfehlerText(f));
    }
    // Only plain files: opening a pipe or a device could wait for ever.
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: keine Bilddatei.").arg(inAnfuehrung(q.name));
    if (::access(roh(q.pfad).constData(), R_OK) != 0)
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2").arg(inAnfuehrung(q.name), systemfehlerText(errno));
    const Dateischluessel schluessel(quint64(info.st_dev), quint64(info.st_ino));
    if (gesehen.contains(schluessel))
        return QStringLiteral("Das Bild %1 ist doppelt angegeben.").arg(inAnfuehrung(q.name));
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
                .arg(inAnfuehrung(quellen[*da].name), inAnfuehrung(quellen[i].name),
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

// The hidden folder the game is written into; removed unless kept, and with
// it the folders made above the target.
class Entwurf {
public:
    ~Entwurf()
    {
        if (!pfad.isEmpty() && !behalten)
            QDir(pfad).removeRecursively();
        if (!behalten)
            for (auto it = angelegt.crbegin(); it != angelegt.crend(); ++it)
                ::rmdir(roh(*it).constData());
    }
    QString pfad;
    QStringList angelegt;
    bool behalten = false;
};

// A draft of a killed run for the same target: ".NAME-XXXXXX" beside it.
void entferneAlteEntwuerfe(const QString& oben, const QString& name)
{
    const QString anfang = QLatin1Char('.') + name + QLatin1Char('-');
    const QDir ordner(oben);
    for (const QString& eintrag : ordner.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        const QStringView rest = QStringView(eintrag).mid(anfang.size());
        if (eintrag.startsWith(anfang) && rest.size() == 6
            && std::all_of(rest.begin(), rest.end(), [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; }))
            QDir(ordner.filePath(eintrag)).removeRecursively();
    }
}

// Writes a new file. Returns errno, or 0.
int schreibeDatei(const QString& pfad, const QByteArray& daten)
{
    const int fd = ::open(roh(pfad).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    qsizetype geschrieben = 0;
    while (geschrieben < daten.size()) {
        const ssize_t n = ::write(fd, daten.constData() + geschrieben, std::size_t(daten.size() - geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int f = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return f;
        }
        geschrieben += n;
    }
    return ::close(fd) == 0 ? 0 : errno;
}

struct Kopie {
    int lesefehler = 0;
    int schreibfehler = 0;
    bool abgebrochen = false;
};

// Copies a file piece by piece, asking `abgebrochen` between the pieces.
Kopie kopiere(const QString& quelle, const QString& ziel, const std::function<bool()>& abgebrochen)
{
    Kopie k;
    const int ein = ::open(roh(quelle).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (ein < 0) {
        k.lesefehler = errno;
        return k;
    }
    const int aus = ::open(roh(ziel).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (aus < 0) {
        k.schreibfehler = errno;
        ::close(ein);
        return k;
    }
    QByteArray stueck(KopierStueck, Qt::Uninitialized);
    for (;;) {
        if (abgebrochen && abgebrochen()) {
            k.abgebrochen = true;
            break;
        }
        const ssize_t n = ::read(ein, stueck.data(), std::size_t(stueck.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            k.lesefehler = errno;
            break;
        }
        if (n == 0)
            break;
        for (ssize_t fertig = 0; fertig < n && k.schreibfehler == 0;) {
            const ssize_t m = ::write(aus, stueck.constData() + fertig, std::size_t(n - fertig));
            if (m < 0 && errno == EINTR)
                continue;
            if (m <= 0)
                k.schreibfehler = m < 0 ? errno : ENOSPC;
            else
                fertig += m;
        }
        if (k.schreibfehler)
            break;
    }
    ::close(ein);
    if (::close(aus) != 0 && k.schreibfehler == 0 && k.lesefehler == 0 && !k.abgebrochen)
        k.schreibfehler = errno;
    return k;
}

bool istJpeg(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) && datei.read(3) == QByteArray("\xFF\xD8\xFF", 3);
}

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
    QImageReader leser(quelle);
    leser.setAutoTransform(true);
    if (!leser.canRead())
        return QStringLiteral("kein bekanntes Bildformat");
    const QImage gelesen = leser.read();
    if (gelesen.isNull())
        return QStringLiteral("die Bilddaten sind nicht lesbar");
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
int stelleFertig(const QString& entwurf, const QString& ziel, bool zielDa)
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

} // namespace

int schreibeNeuesSpiel(const NeuesSpiel& auftrag, QTextStream& ausgabe, QTextStream& fehler)
{
    const auto ablehnen = [&fehler](QString meldung) {
        fehler << meldung.replace(QStringLiteral("\n\r"), QStringLiteral("\n")) << Qt::endl;
        return 1;
    };
    const auto abgebrochen = [&auftrag] { return auftrag.abgebrochen && auftrag.abgebrochen(); };
    const QString abbruch = QStringLiteral("Abgebrochen.") + NichtsGeschrieben;

    QVector<Quelle> quellen;
    for (qsizetype i = 0; i < auftrag.bilder.size(); ++i)
        quellen.append({auftrag.bilder[i], auftrag.anzeigenamen.value(i, auftrag.bilder[i])});
    // Missing pictures first: a pattern the shell did not expand arrives as one picture.
    QSet<Dateischluessel> gesehen;
    for (const Quelle& quelle : quellen)
        if (const QString f = quellFehler(quelle, gesehen); !f.isEmpty())
            return ablehnen(f + NichtsGeschrieben);
    const int anzahl = int(quellen.size());
    if (const QString f = anzahlFehler(anzahl); !f.isEmpty())
        return ablehnen(f);
    QStringList genannt;
    for (const Quelle& quelle : quellen)
        genannt += quelle.name;
    std::vector<Bildauftrag> plan = planeBilder(genannt, auftrag.mitNamen);
    for (std::size_t i = 0; i < plan.size(); ++i)
        plan[i].Quelle = quellen[qsizetype(i)].pfad;
    // Names typed in the new-game window replace the file names.
    if (auftrag.mitNamen && auftrag.namen.size() == auftrag.bilder.size())
        for (std::size_t i = 0; i < plan.size(); ++i)
            plan[i].Name = auftrag.namen[qsizetype(i)].trimmed();
    if (auftrag.mitNamen)
        if (const QString f = namensFehler(plan, quellen); !f.isEmpty())
            return ablehnen(f + NichtsGeschrieben);

    const QString ziel = QDir::cleanPath(QFileInfo(auftrag.ziel).absoluteFilePath());
    if (const QString f = zielFehler(ziel); !f.isEmpty())
        return ablehnen(f);
    // Without any font the card back and the name cards would lack their lettering.
    if (zentrierterText(QStringLiteral("Paarlix"), 40, QPointF(), 1000).isEmpty())
        return ablehnen(QStringLiteral("Keine Schrift gefunden (Paket fonts-dejavu-core fehlt?)."));

    std::vector<QSize> groessen;
    for (const Quelle& quelle : quellen) {
        if (abgebrochen())
            return ablehnen(abbruch);
        if (const QSize g = aufrechteGroesse(quelle.pfad); !g.isEmpty())
            groessen.push_back(g);
    }
    const Kartenformat format = waehleKartenformat(groessen);
    const Brettwahl wahl = waehleBrett(anzahl, format, auftrag.bildschirm);
    if (!wahl.Gut)
        return ablehnen(brettFehler(anzahl, wahl, auftrag.bildschirm));

    const QFileInfo zielInfo(ziel);
    const QString oben = zielInfo.absolutePath();
    Entwurf entwurf;
    if (const int f = legeOrdnerAn(oben, entwurf.angelegt))
        return ablehnen(QStringLiteral("Der Ordner %1 für das Spiel kann nicht angelegt werden: %2")
                            .arg(inAnfuehrung(oben), systemfehlerText(f)));
    entferneAlteEntwuerfe(oben, zielInfo.fileName());
    QByteArray vorlage = roh(oben + QStringLiteral("/.") + zielInfo.fileName() + QStringLiteral("-XXXXXX"));
    if (!::mkdtemp(vorlage.data()))
        return ablehnen(QStringLiteral("In den Ordner %1 kann nicht geschrieben werden: %2")
                            .arg(inAnfuehrung(oben), systemfehlerText(errno)));
    entwurf.pfad = QFile::decodeName(vorlage);
    const QDir ordner(entwurf.pfad);
    // A failure while writing names the game, not the hidden draft.
    const auto schreibfehler = [&](int f) {
        return ablehnen(QStringLiteral("Das Spiel %1 kann nicht geschrieben werden: %2")
                            .arg(inAnfuehrung(ziel), systemfehlerText(f))
                        + NichtsGeschrieben);
    };

    const QString ini = ordner.filePath(QStringLiteral("Paarlix.ini"));
    if (const int f = schreibeDatei(ini, einstellungsTextMitBrett(wahl.Brett.Spalten, wahl.Brett.Zeilen, format).toUtf8()))
        return schreibfehler(f);
    QByteArray kartentext;
    QBuffer kartentextPuffer(&kartentext);
    kartentextPuffer.open(QIODevice::WriteOnly);
    if (!zeichneKartentext().save(&kartentextPuffer, "BMP"))
        return ablehnen(QStringLiteral("Die Kartenrückseite kann nicht gezeichnet werden.") + NichtsGeschrieben);
    const QString bmp = ordner.filePath(QStringLiteral("Kartentext.bmp"));
    if (const int f = schreibeDatei(bmp, kartentext))
        return schreibfehler(f);
    if (const QStringList f = pruefeEinstellungsdatei(ini, wahl.Brett.Spalten, wahl.Brett.Zeilen, format)
                              + pruefeKartentext(bmp);
        !f.isEmpty())
        return ablehnen(f.join('\n') + NichtsGeschrieben);

    JpegDekodierer dekodierer;
    Arbeitsbitmap probe;
    for (const Bildauftrag& bild : plan) {
        if (abgebrochen())
            return ablehnen(abbruch);
        const QString& name = quellen[bild.Paar - 1].name;
        const QString zielA = ordner.filePath(bild.ZielA);
        const QString zielB = ordner.filePath(bild.ZielB);
        const bool jpeg = istJpeg(bild.Quelle);
        QByteArray umgewandelt;
        if (const QString grund = jpeg ? pruefeJpeg(bild.Quelle, dekodierer, probe) : wandleUm(bild.Quelle, umgewandelt);
            !grund.isEmpty())
            return ablehnen(QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2.")
                                .arg(inAnfuehrung(name), grund.endsWith('.') ? grund.chopped(1) : grund)
                            + NichtsGeschrieben);
        if (jpeg) {
            const Kopie k = kopiere(bild.Quelle, zielA, auftrag.abgebrochen);
            if (k.abgebrochen)
                return ablehnen(abbruch);
            if (k.lesefehler)
                return ablehnen(QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2")
                                    .arg(inAnfuehrung(name), systemfehlerText(k.lesefehler))
                                + NichtsGeschrieben);
            if (k.schreibfehler)
                return schreibfehler(k.schreibfehler);
        } else if (const int f = schreibeDatei(zielA, umgewandelt)) {
            return schreibfehler(f);
        }
        if (auftrag.mitNamen) {
            const QByteArray karte =
                jpegMitKommentar(zeichneNamenskarte(bild.Name, bild.Paar, format), bild.Name, JpegQualitaet);
            if (karte.isEmpty())
                return ablehnen(QStringLiteral("Die Namenskarte %1 kann nicht gezeichnet werden.")
                                    .arg(inAnfuehrung(bild.Name)) + NichtsGeschrieben);
            if (const int f = schreibeDatei(zielB, karte))
                return schreibfehler(f);
        } else {
            const Kopie k = kopiere(zielA, zielB, auftrag.abgebrochen);
            if (k.abgebrochen)
                return ablehnen(abbruch);
            if (k.lesefehler || k.schreibfehler)
                return schreibfehler(k.schreibfehler ? k.schreibfehler : k.lesefehler);
        }

        if (anzahl >= FortschrittAb)
            ausgabe << QStringLiteral("[%1/%2] ").arg(bild.Paar, QString::number(anzahl).size()).arg(anzahl);
        ausgabe << sichtbar(name) << QStringLiteral(" → ") << bild.ZielA
                << (auftrag.mitNamen ? QStringLiteral(", Namenskarte %1 → ").arg(inAnfuehrung(bild.Name))
                                     : QStringLiteral(" und "))
                << bild.ZielB << (jpeg ? QString() : QStringLiteral(" (in JPEG umgewandelt)")) << Qt::endl;
        if (auftrag.fortschritt)
            auftrag.fortschritt(bild.Paar, anzahl);
    }

    if (const int f = stelleFertig(entwurf.pfad, ziel, zielInfo.isDir()))
        return ablehnen(QStringLiteral("Der Zielordner %1 kann nicht angelegt werden: %2")
                            .arg(inAnfuehrung(ziel), systemfehlerText(f))
                        + NichtsGeschrieben);
    entwurf.behalten = true;
    if (zielInfo.isDir())
        QDir(entwurf.pfad).removeRecursively();
    ausgabe << QStringLiteral("Fertig: %1 Paare auf %2 × %3 Karten (je %4 × %5 Pixel auf einem Bildschirm von "
                              "%6 × %7), %8, in %9. Starten mit: %10 %11")
                   .arg(anzahl).arg(wahl.Brett.Spalten).arg(wahl.Brett.Zeilen)
                   .arg(wahl.Karte.width()).arg(wahl.Karte.height())
                   .arg(auftrag.bildschirm.width()).arg(auftrag.bildschirm.height())
                   .arg(formatBeschreibung(format), inAnfuehrung(ziel), auftrag.programm, fuerDieShell(ziel))
            << Qt::endl;
    return 0;
}
