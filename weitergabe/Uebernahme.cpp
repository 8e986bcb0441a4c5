#include "weitergabe/Uebernahme.h"

#include "neuesspiel/Entwurf.h"
#include "platform/Dateikopie.h"
#include "platform/Dateiname.h"
#include "platform/Dateischreiben.h"
#include "platform/Systemfehler.h"
#include "weitergabe/Archivpruefung.h"
#include "weitergabe/Eintragslesen.h"
#include "weitergabe/Spielvergleich.h"
#include "weitergabe/Ziparchiv.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

using Ausgang = Uebernahmeergebnis::Ausgang;

// Far more than anyone keeps of one game; past it something is wrong.
constexpr int MeisteGleichnamige = 999;

QByteArray roh(const QString& pfad) { return QFile::encodeName(pfad); }

Uebernahmeergebnis ende(Ausgang art, const QString& meldung, const QStringList& ausgelassen = {})
{
    Uebernahmeergebnis e;
    e.Art = art;
    e.Meldung = meldung;
    e.Zusammenfassung = meldung;
    e.Ausgelassen = ausgelassen;
    return e;
}

// What `pfad` holds (a file's data, a folder's names) is on the disk once
// this returns: 0 or errno.
int synchronisiere(const QString& pfad, int art)
{
    const int fd = ::open(roh(pfad).constData(), O_RDONLY | O_CLOEXEC | art);
    if (fd < 0)
        return errno;
    const int f = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return f;
}

int synchronisiereDatei(const QString& pfad) { return synchronisiere(pfad, O_NOFOLLOW); }

// The folder and its names survive a crash (the games folder may be a link); its
// files are synced one by one.
int synchronisiereOrdner(const QString& ordner)
{
    const int f = synchronisiere(ordner, O_DIRECTORY);
    // Some file systems cannot sync a folder; the files themselves are on the disk.
    return f == EINVAL || f == EROFS ? 0 : f;
}

// The draft takes the name ziel unless something holds it: 0, EEXIST, or another errno.
int benenneOhneErsetzen(const QString& entwurf, const QString& ziel)
{
    if (::renameat2(AT_FDCWD, roh(entwurf).constData(), AT_FDCWD, roh(ziel).constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // Without RENAME_NOREPLACE: an empty folder made exclusively is the one rename may replace.
    if (::mkdir(roh(ziel).constData(), 0700) != 0)
        return errno;
    if (::rename(roh(entwurf).constData(), roh(ziel).constData()) == 0)
        return 0;
    const int f = errno;
    ::rmdir(roh(ziel).constData());
    return f;
}

// Writes the archive's game files into the draft, all of them synced to the disk at the end.
Uebernahmeergebnis packeAus(zip* archiv, const Archivinhalt& inhalt, const QString& entwurf, const QString& datei)
{
    for (const Archiveintrag& eintrag : inhalt.Dateien) {
        const QString pfad = entwurf + QLatin1Char('/') + eintrag.Name;
        const int fd = ::open(roh(pfad).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno == EEXIST)
            return ende(Ausgang::Abgelehnt,
                        ablehnung(datei, QStringLiteral("der Eintrag %1 kommt doppelt vor").arg(sichtbarInAnfuehrung(eintrag.Pfad))));
        if (fd < 0)
            return ende(Ausgang::Fehlgeschlagen, QStringLiteral("In den Ordner %1 kann nicht geschrieben werden: %2")
                                                     .arg(sichtbarInAnfuehrung(entwurf), systemfehlerText(errno)));
        Eintragslesung lesung = liesEintrag(archiv, eintrag, [fd](const char* daten, qint64 laenge) {
            return schreibeAlles(fd, daten, laenge);
        });
        // The disk starts on this file while the next one is unpacked; synced below.
        if (lesung.gelungen())
            ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
        if (::close(fd) != 0 && lesung.gelungen())
            lesung.Systemfehler = errno;
        if (!lesung.Grund.isEmpty())
            return ende(Ausgang::Abgelehnt, ablehnung(datei, lesung.Grund));
        if (lesung.Systemfehler)
            return ende(Ausgang::Fehlgeschlagen, QStringLiteral("Die Datei %1 kann nicht ausgepackt werden: %2")
                                                     .arg(sichtbarInAnfuehrung(QFileInfo(datei).fileName()),
                                                          systemfehlerText(lesung.Systemfehler)));
    }
    for (const Archiveintrag& eintrag : inhalt.Dateien)
        if (const int f = synchronisiereDatei(entwurf + QLatin1Char('/') + eintrag.Name))
            return ende(Ausgang::Fehlgeschlagen, QStringLiteral("Die Datei %1 kann nicht ausgepackt werden: %2")
                                                     .arg(sichtbarInAnfuehrung(QFileInfo(datei).fileName()), systemfehlerText(f)));
    if (const int f = synchronisiereOrdner(entwurf))
        return ende(Ausgang::Fehlgeschlagen, QStringLiteral("In den Ordner %1 kann nicht geschrieben werden: %2")
                                                 .arg(sichtbarInAnfuehrung(entwurf), systemfehlerText(f)));
    return ende(Ausgang::Uebernommen, {});
}

QString ausgelassenText(const QStringList& ausgelassen)
{
    if (ausgelassen.isEmpty())
        return {};
    QStringList namen;
    for (const QString& name : ausgelassen)
        namen += sichtbarInAnfuehrung(name);
    return QStringLiteral(" Ausgelassen, weil das Spiel sie nicht liest: %1.").arg(namen.join(QStringLiteral(", ")));
}

// The draft becomes NAME, "NAME (2)", … at the first free name, unless one
// of them already holds the same game.
Uebernahmeergebnis gibPlatz(Entwurf& entwurf, const QString& spieleordner, const QString& name)
{
    for (int k = 1; k <= MeisteGleichnamige; ++k) {
        const QString ziel = spieleordner + QLatin1Char('/')
                             + (k == 1 ? name : QStringLiteral("%1 (%2)").arg(name).arg(k));
        struct stat info {};
        if (::lstat(roh(ziel).constData(), &info) == 0) {
            if (S_ISDIR(info.st_mode) && gleichesSpiel(ziel, entwurf.pfad())) {
                Uebernahmeergebnis e = ende(Ausgang::Wiederverwendet, {});
                e.Spielordner = ziel;
                return e;
            }
            continue;
        }
        entwurf.raeumeSperrdateiWeg();
        // Folders made by mkdtemp are private; a game folder is not.
        ::chmod(roh(entwurf.pfad()).constData(), 0755);
        const int f = benenneOhneErsetzen(entwurf.pfad(), ziel);
        if (f == EEXIST || f == ENOTEMPTY)
            continue;
        if (f)
            return ende(Ausgang::Fehlgeschlagen, QStringLiteral("Der Ordner %1 kann nicht angelegt werden: %2")
                                                     .arg(sichtbarInAnfuehrung(ziel), systemfehlerText(f)));
        entwurf.behalte();
        synchronisiereOrdner(spieleordner);
        Uebernahmeergebnis e = ende(Ausgang::Uebernommen, {});
        e.Spielordner = ziel;
        return e;
    }
    return ende(Ausgang::Fehlgeschlagen, QStringLiteral("Im Ordner %1 gibt es schon %2 Spiele namens %3.")
                                             .arg(sichtbarInAnfuehrung(spieleordner)).arg(MeisteGleichnamige).arg(sichtbarInAnfuehrung(name)));
}

} // namespace

bool hatPaarlixEndung(const QString& pfad) { return pfad.endsWith(QStringLiteral(".paarlix"), Qt::CaseInsensitive); }

Uebernahmeergebnis uebernimmSpiel(const QString& datei, const QString& spieleordner)
{
    const Ziparchivoeffnung oeffnung = oeffneZiparchiv(datei);
    if (!oeffnung.Archiv && oeffnung.Grund.isEmpty())
        return ende(Ausgang::Fehlgeschlagen, QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2")
                                                 .arg(sichtbarInAnfuehrung(datei), systemfehlerText(oeffnung.Systemfehler)));
    if (!oeffnung.Archiv)
        return ende(Ausgang::Abgelehnt, ablehnung(datei, oeffnung.Grund));
    const Archivinhalt inhalt = pruefeArchiv(oeffnung.Archiv.get());
    if (inhalt.abgelehnt())
        return ende(Ausgang::Abgelehnt, ablehnung(datei, inhalt.Grund));

    const QString oben = QFileInfo(spieleordner).absoluteFilePath();
    Entwurf entwurf;
    QStringList angelegt;
    const int f = legeOrdnerAn(oben, angelegt);
    // Made only for this game: removed again when it does not come in.
    entwurf.merkeAngelegt(angelegt);
    if (f)
        return ende(Ausgang::Fehlgeschlagen, QStringLiteral("Der Ordner %1 für die Spiele kann nicht angelegt werden: %2")
                                                 .arg(sichtbarInAnfuehrung(oben), systemfehlerText(f)), inhalt.Ausgelassen);
    struct statvfs platz {};
    if (::statvfs(roh(oben).constData(), &platz) == 0
        && qint64(platz.f_bavail) * qint64(platz.f_frsize) < inhalt.Bytes)
        return ende(Ausgang::Fehlgeschlagen, QStringLiteral("Das Spiel passt nicht in den Ordner %1: %2")
                                                 .arg(sichtbarInAnfuehrung(oben), systemfehlerText(ENOSPC)), inhalt.Ausgelassen);
    raeumeEntwuerfeAuf(oben);
    if (const int g = entwurf.legeAn(oben, inhalt.Spielname))
        return ende(Ausgang::Fehlgeschlagen, QStringLiteral("In den Ordner %1 kann nicht geschrieben werden: %2")
                                                 .arg(sichtbarInAnfuehrung(oben), systemfehlerText(g)), inhalt.Ausgelassen);

    Uebernahmeergebnis e = packeAus(oeffnung.Archiv.get(), inhalt, entwurf.pfad(), datei);
    if (e.gelungen())
        e = gibPlatz(entwurf, oben, inhalt.Spielname);
    e.Ausgelassen = inhalt.Ausgelassen;
    const QString name = QFileInfo(e.Spielordner).fileName();
    if (e.Art == Ausgang::Uebernommen)
        e.Zusammenfassung = QStringLiteral("Übernommen: %1 mit %2 Dateien in %3.")
                                .arg(sichtbarInAnfuehrung(name)).arg(inhalt.Dateien.size()).arg(sichtbarInAnfuehrung(e.Spielordner));
    else if (e.Art == Ausgang::Wiederverwendet)
        e.Zusammenfassung = QStringLiteral("Das Spiel %1 ist schon da: %2.").arg(sichtbarInAnfuehrung(name), sichtbarInAnfuehrung(e.Spielordner));
    else
        e.Zusammenfassung = e.Meldung;
    e.Zusammenfassung += ausgelassenText(e.Ausgelassen);
    return e;
}
