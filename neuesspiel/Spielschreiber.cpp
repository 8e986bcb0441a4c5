#include "neuesspiel/Spielschreiber.h"

#include "neuesspiel/DemoEinstellungen.h"
#include "neuesspiel/DemoKartentext.h"
#include "neuesspiel/DemoPruefung.h"
#include "neuesspiel/DemoSchrift.h"
#include "neuesspiel/Bildplan.h"
#include "neuesspiel/Brettwahl.h"
#include "neuesspiel/Namenskarte.h"
#include "pictures/Arbeitsbitmap.h"
#include "pictures/JpegDekodierer.h"
#include "platform/PaarlixFehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int JpegQualitaet = 90;
// From this many pictures on, every line carries a progress count.
constexpr int FortschrittAb = 20;

QString inAnfuehrung(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

// A word for the shell: quoted when it holds anything but plain characters.
QString fuerDieShell(const QString& wort)
{
    static const QString einfach = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+,:@%");
    for (const QChar c : wort)
        if (!einfach.contains(c))
            return '\'' + QString(wort).replace(QLatin1Char('\''), QStringLiteral("'\\''")) + '\'';
    return wort;
}

// Refusal of the target folder; empty when the game can go there.
QString zielFehler(const QString& ziel)
{
    const QFileInfo info(ziel);
    if (info.exists() && !info.isDir())
        return inAnfuehrung(ziel) + QStringLiteral(" ist eine Datei und kein Ordner.");
    if (info.isDir() && !QDir(ziel).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return QStringLiteral("Der Zielordner %1 ist nicht leer. Bitte einen neuen oder leeren Ordner angeben.")
            .arg(inAnfuehrung(ziel));
    if (!QFileInfo(info.absolutePath()).isDir())
        return QStringLiteral("Der Ordner %1, in dem das Spiel angelegt werden soll, existiert nicht.")
            .arg(inAnfuehrung(info.absolutePath()));
    return {};
}

// Refusal of a given picture that is missing, no plain file or given twice.
QString quellFehler(const QString& quelle, QSet<QString>& gesehen)
{
    const QFileInfo info(quelle);
    if (!info.exists())
        return QStringLiteral("Das Bild %1 gibt es nicht.").arg(inAnfuehrung(quelle));
    // Only plain files: opening a pipe or a device could wait for ever.
    if (!info.isFile())
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: keine Bilddatei.").arg(inAnfuehrung(quelle));
    if (!info.isReadable())
        return QStringLiteral("Das Bild %1 kann nicht gelesen werden: keine Leserechte.").arg(inAnfuehrung(quelle));
    const QString echt = info.canonicalFilePath();
    if (gesehen.contains(echt))
        return QStringLiteral("Das Bild %1 ist doppelt angegeben.").arg(inAnfuehrung(quelle));
    gesehen.insert(echt);
    return {};
}

bool istJpeg(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) && datei.read(3) == QByteArray("\xFF\xD8\xFF", 3);
}

// Copies a JPEG that the game's own decoder reads; its bytes (and so its
// orientation tag) stay as they are. Returns the reason it cannot, or empty.
QString kopiereJpeg(const QString& quelle, const QString& ziel, JpegDekodierer& dekodierer,
                    Arbeitsbitmap& probe)
{
    try {
        dekodierer.dekodiere(quelle, probe);
    } catch (const EPaarlixFehler& f) {
        return f.text();
    }
    if (!QFile::copy(quelle, ziel))
        return QStringLiteral("Kopie nach %1 nicht möglich").arg(inAnfuehrung(ziel));
    return {};
}

// Any other picture Qt reads becomes a JPEG; transparency turns white.
QString wandleUm(const QString& quelle, const QString& ziel)
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
    if (!bild.save(ziel, "JPG", JpegQualitaet))
        return QStringLiteral("%1 kann nicht geschrieben werden").arg(inAnfuehrung(ziel));
    return {};
}

QStringList schreibeGrunddateien(const QDir& ordner, const Brettmass& brett)
{
    const QString ini = ordner.filePath(QStringLiteral("Paarlix.ini"));
    QFile datei(ini);
    if (!datei.open(QIODevice::WriteOnly)
        || datei.write(einstellungsTextMitBrett(brett.Spalten, brett.Zeilen).toUtf8()) < 0 || !datei.flush())
        return {ini + QStringLiteral(": kann nicht geschrieben werden")};
    datei.close();
    QStringList fehler = pruefeEinstellungsdatei(ini, brett.Spalten, brett.Zeilen);
    const QString bmp = ordner.filePath(QStringLiteral("Kartentext.bmp"));
    if (!zeichneKartentext().save(bmp, "BMP"))
        return fehler << bmp + QStringLiteral(": kann nicht geschrieben werden");
    return fehler + pruefeKartentext(bmp);
}

// Gives the finished draft its place. An existing empty target keeps its
// folder (it may be the shell's working folder): the files move into it, and
// back again if one cannot.
bool stelleFertig(QTemporaryDir& entwurf, const QString& ziel, bool zielDa)
{
    if (!zielDa) {
        // Folders made by QTemporaryDir are private; a game folder is not.
        QFile::setPermissions(entwurf.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                  | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                  | QFile::ExeOther);
        if (!QDir().rename(entwurf.path(), ziel))
            return false;
        entwurf.setAutoRemove(false);
        return true;
    }
    const QDir von(entwurf.path());
    const QDir nach(ziel);
    QStringList verschoben;
    for (const QString& datei : von.entryList(QDir::Files)) {
        if (!QFile::rename(von.filePath(datei), nach.filePath(datei))) {
            for (const QString& zurueck : verschoben)
                QFile::rename(nach.filePath(zurueck), von.filePath(zurueck));
            return false;
        }
        verschoben += datei;
    }
    return true;
}

} // namespace

int schreibeNeuesSpiel(const NeuesSpiel& auftrag, QTextStream& ausgabe, QTextStream& fehler)
{
    const auto ablehnen = [&fehler](const QString& meldung) {
        fehler << meldung << Qt::endl;
        return 1;
    };
    const int anzahl = int(auftrag.bilder.size());
    if (const QString f = anzahlFehler(anzahl); !f.isEmpty())
        return ablehnen(f);
    const Kartenformat format;
    const Brettwahl wahl = waehleBrett(anzahl, format);
    if (!wahl.Gut)
        return ablehnen(brettFehler(anzahl, wahl));
    const Brettmass brett = wahl.Brett;

    const QString ziel = QDir::cleanPath(QFileInfo(auftrag.ziel).absoluteFilePath());
    if (const QString f = zielFehler(ziel); !f.isEmpty())
        return ablehnen(f);
    QSet<QString> gesehen;
    for (const QString& quelle : auftrag.bilder)
        if (const QString f = quellFehler(quelle, gesehen); !f.isEmpty())
            return ablehnen(f + QStringLiteral(" Es wurde nichts geschrieben."));
    // Without any font the card back and the name cards would lack their lettering.
    if (zentrierterText(QStringLiteral("Paarlix"), 40, QPointF(), 1000).isEmpty())
        return ablehnen(QStringLiteral("Keine Schrift gefunden (Paket fonts-dejavu-core fehlt?)."));

    const QFileInfo zielInfo(ziel);
    QTemporaryDir entwurf(zielInfo.absolutePath() + QStringLiteral("/.") + zielInfo.fileName()
                          + QStringLiteral("-XXXXXX"));
    if (!entwurf.isValid())
        return ablehnen(QStringLiteral("In den Ordner %1 kann nicht geschrieben werden (%2).")
                            .arg(inAnfuehrung(zielInfo.absolutePath()), entwurf.errorString()));
    const QDir ordner(entwurf.path());
    if (const QStringList f = schreibeGrunddateien(ordner, brett); !f.isEmpty())
        return ablehnen(f.join('\n') + QStringLiteral("\nEs wurde nichts geschrieben."));

    JpegDekodierer dekodierer;
    Arbeitsbitmap probe;
    std::vector<Bildauftrag> plan = planeBilder(auftrag.bilder, auftrag.mitNamen);
    if (auftrag.mitNamen && auftrag.namen.size() == auftrag.bilder.size())
        for (std::size_t i = 0; i < plan.size(); ++i)
            plan[i].name = auftrag.namen[qsizetype(i)].trimmed();
    for (const Bildauftrag& bild : plan) {
        if (auftrag.abgebrochen && auftrag.abgebrochen())
            return ablehnen(QStringLiteral("Abgebrochen. Es wurde nichts geschrieben."));
        const QString zielA = ordner.filePath(bild.zielA);
        const QString zielB = ordner.filePath(bild.zielB);
        const bool jpeg = istJpeg(bild.quelle);
        QString grund = jpeg ? kopiereJpeg(bild.quelle, zielA, dekodierer, probe) : wandleUm(bild.quelle, zielA);
        const QString name = bild.name.isEmpty() ? QFileInfo(bild.quelle).fileName() : bild.name;
        if (grund.isEmpty() && auftrag.mitNamen) {
            if (!zeichneNamenskarte(name, bild.paar).save(zielB, "JPG", JpegQualitaet))
                grund = QStringLiteral("%1 kann nicht geschrieben werden").arg(inAnfuehrung(zielB));
        } else if (grund.isEmpty() && !QFile::copy(zielA, zielB)) {
            grund = QStringLiteral("%1 kann nicht geschrieben werden").arg(inAnfuehrung(zielB));
        }
        if (!grund.isEmpty())
            return ablehnen(QStringLiteral("Das Bild %1 kann nicht gelesen werden: %2. Es wurde nichts geschrieben.")
                                .arg(inAnfuehrung(bild.quelle), grund));

        if (anzahl >= FortschrittAb)
            ausgabe << QStringLiteral("[%1/%2] ").arg(bild.paar, QString::number(anzahl).size()).arg(anzahl);
        ausgabe << bild.quelle << QStringLiteral(" → ") << bild.zielA
                << (auftrag.mitNamen ? QStringLiteral(", Namenskarte %1 → ").arg(inAnfuehrung(name))
                                     : QStringLiteral(" und "))
                << bild.zielB << (jpeg ? QString() : QStringLiteral(" (in JPEG umgewandelt)")) << Qt::endl;
        if (auftrag.fortschritt)
            auftrag.fortschritt(bild.paar, anzahl);
    }

    if (!stelleFertig(entwurf, ziel, zielInfo.isDir()))
        return ablehnen(QStringLiteral("Der Zielordner %1 kann nicht angelegt werden. Es wurde nichts geschrieben.")
                            .arg(inAnfuehrung(ziel)));
    ausgabe << QStringLiteral("Fertig: %1 Paare auf %2 × %3 Karten in %4. Starten mit: %5 %6")
                   .arg(anzahl).arg(brett.Spalten).arg(brett.Zeilen)
                   .arg(inAnfuehrung(ziel), auftrag.programm, fuerDieShell(ziel))
            << Qt::endl;
    return 0;
}
