#include "weitergabe/Weitergabe.h"

#include "platform/Systemfehler.h"
#include "weitergabe/Dateilieferung.h"
#include "weitergabe/Spielbestand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <zip.h>

namespace {

QString inAnfuehrung(const QString& pfad) { return QStringLiteral("„") + QDir::toNativeSeparators(pfad) + QStringLiteral("“"); }

// Hidden files beside the target: ".NAME.paarlix." and a random part; libzip
// writes its own draft under that name and another suffix.
QByteArray verstecktesPraefix(const QFileInfo& ziel) { return "." + QFile::encodeName(ziel.fileName()).left(200) + "."; }

// A run killed while writing leaves its hidden files behind: they go now.
void raeumeResteAuf(const QFileInfo& ziel)
{
    const QByteArray ordner = QFile::encodeName(ziel.absolutePath());
    const QByteArray praefix = verstecktesPraefix(ziel);
    DIR* d = ::opendir(ordner.constData());
    if (!d)
        return;
    const int fd = ::dirfd(d);
    while (const dirent* eintrag = ::readdir(d)) {
        struct stat info {};
        if (std::strncmp(eintrag->d_name, praefix.constData(), std::size_t(praefix.size())) == 0 &&
            ::fstatat(fd, eintrag->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            ::unlinkat(fd, eintrag->d_name, 0);
    }
    ::closedir(d);
}

// What one archive entry reads from: the delivery's file, asked for only when
// libzip writes the entry, so that entries are written in order as they come.
struct Eintrag {
    Dateilieferung* Lieferung = nullptr;
    const std::function<bool()>* Abgebrochen = nullptr;
    QString* ErsterFehler = nullptr;
    int Nummer = 0;
    qint64 Gelesen = 0;
    zip_error_t Fehler{};
};

zip_int64_t lieferQuelle(void* zustand, void* daten, zip_uint64_t laenge, zip_source_cmd_t befehl)
{
    auto* e = static_cast<Eintrag*>(zustand);
    const auto abgebrochen = [e] { return *e->Abgebrochen && (*e->Abgebrochen)(); };
    switch (befehl) {
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    case ZIP_SOURCE_STAT: {
        if (abgebrochen()) {
            zip_error_set(&e->Fehler, ZIP_ER_CANCELLED, 0);
            return -1;
        }
        const Gelieferte& g = e->Lieferung->datei(e->Nummer);
        if (!g.Fehler.isEmpty()) {
            if (e->ErsterFehler->isEmpty())
                *e->ErsterFehler = g.Fehler;
            zip_error_set(&e->Fehler, ZIP_ER_READ, EIO);
            return -1;
        }
        auto* st = static_cast<zip_stat_t*>(daten);
        zip_stat_init(st);
        st->valid = ZIP_STAT_SIZE | ZIP_STAT_MTIME;
        st->size = zip_uint64_t(g.Daten.size());
        st->mtime = g.Geaendert;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_OPEN:
        e->Gelesen = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        if (abgebrochen()) {
            zip_error_set(&e->Fehler, ZIP_ER_CANCELLED, 0);
            return -1;
        }
        const QByteArray& d = e->Lieferung->datei(e->Nummer).Daten;
        const qint64 n = std::min<qint64>(qint64(laenge), d.size() - e->Gelesen);
        std::memcpy(daten, d.constData() + e->Gelesen, std::size_t(n));
        e->Gelesen += n;
        return n;
    }
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_FREE:
        return 0;
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&e->Fehler, daten, laenge);
    default:
        zip_error_set(&e->Fehler, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

// libzip's reason in German where the system gave one.
QString zipFehlertext(const zip_error_t* fehler)
{
    if (zip_error_system_type(fehler) == ZIP_ET_SYS && zip_error_code_system(fehler) != 0)
        return systemfehlerText(zip_error_code_system(fehler));
    return QString::fromUtf8(zip_error_strerror(const_cast<zip_error_t*>(fehler)));
}

struct Fortschrittsstand {
    const Weitergabeauftrag* Auftrag = nullptr;
    int Gesamt = 0;
    int Gemeldet = -1;
};

void meldeFortschritt(zip_t*, double anteil, void* zustand)
{
    auto* s = static_cast<Fortschrittsstand*>(zustand);
    const int erledigt = std::clamp(int(anteil * s->Gesamt + 1e-9), 0, s->Gesamt);
    if (erledigt != s->Gemeldet && s->Auftrag->Fortschritt) {
        s->Gemeldet = erledigt;
        s->Auftrag->Fortschritt(erledigt, s->Gesamt);
    }
}

int frageAbbruch(zip_t*, void* zustand)
{
    const auto* a = static_cast<const Weitergabeauftrag*>(zustand);
    return a->Abgebrochen && a->Abgebrochen() ? 1 : 0;
}

// Puts the finished draft on the disk and gives it the target's name. errno, or 0.
int uebernimm(const QByteArray& entwurf, const QByteArray& ziel)
{
    const int fd = ::open(entwurf.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    // Network file systems report a full disk or quota only here.
    int fehler = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (fehler == 0 && ::rename(entwurf.constData(), ziel.constData()) != 0)
        fehler = errno;
    return fehler;
}

} // namespace

QString weitergabeDateiname(const QString& spielordner)
{
    return QFileInfo(QDir::cleanPath(QFileInfo(spielordner).absoluteFilePath())).fileName() +
           QStringLiteral(".paarlix");
}

QString weitergabeGroesse(qint64 bytes)
{
    return QLocale(QLocale::German).toString(double(bytes) / 1e6, 'f', 1) + QStringLiteral(" MB");
}

Weitergabeergebnis gibSpielWeiter(const Weitergabeauftrag& auftrag)
{
    Weitergabeergebnis ergebnis;
    const QFileInfo ziel(auftrag.Ziel);
    const auto beendet = [&](Weitergabeergebnis::Ausgang art, const QString& grund) {
        ergebnis.Art = art;
        ergebnis.Meldung = art == Weitergabeergebnis::Ausgang::Abgebrochen
                               ? QStringLiteral("Abgebrochen. Es wurde nichts geschrieben.")
                               : QStringLiteral("%1 wurde nicht geschrieben: %2").arg(inAnfuehrung(auftrag.Ziel), grund);
        return ergebnis;
    };
    const auto fehlgeschlagen = [&](const QString& grund) {
        return beendet(Weitergabeergebnis::Ausgang::Fehlgeschlagen, grund);
    };

    const QString ordner = QDir::cleanPath(QFileInfo(auftrag.Spielordner).absoluteFilePath());
    const QString name = QFileInfo(ordner).fileName();
    const Spielbestand bestand = spielbestand(ordner);
    if (!bestand.Meldung.isEmpty())
        return fehlgeschlagen(bestand.Meldung);
    if (ziel.isDir())
        return fehlgeschlagen(systemfehlerText(EISDIR));
    raeumeResteAuf(ziel);

    QStringList pfade;
    QList<bool> verkleinern;
    for (int i = 0; i < bestand.Dateien.size(); ++i) {
        pfade += ordner + QLatin1Char('/') + bestand.Dateien[i];
        // The settings and the card back go as they are; only cards are photos.
        verkleinern += !auftrag.Original && i >= 2;
    }
    Dateilieferung lieferung(pfade, verkleinern);

    const QByteArray entwurf = QFile::encodeName(ziel.absolutePath()) + '/' + verstecktesPraefix(ziel) +
                               QByteArray::number(QRandomGenerator::global()->generate(), 36);
    int oeffnungsfehler = 0;
    zip_t* archiv = zip_open(entwurf.constData(), ZIP_CREATE | ZIP_EXCL, &oeffnungsfehler);
    if (!archiv) {
        zip_error_t fehler;
        zip_error_init_with_code(&fehler, oeffnungsfehler);
        const QString text = zipFehlertext(&fehler);
        zip_error_fini(&fehler);
        return fehlgeschlagen(text);
    }

    QString ersterFehler;
    std::vector<Eintrag> eintraege(std::size_t(pfade.size()));
    // libzip's default modes are writable by everyone, and unzip keeps them.
    const zip_int64_t ordnereintrag = zip_dir_add(archiv, name.toUtf8().constData(), ZIP_FL_ENC_UTF_8);
    bool angelegt = ordnereintrag >= 0 &&
                    zip_file_set_external_attributes(archiv, zip_uint64_t(ordnereintrag), 0, ZIP_OPSYS_UNIX,
                                                     zip_uint32_t(040755) << 16) == 0;
    for (int i = 0; angelegt && i < pfade.size(); ++i) {
        Eintrag& e = eintraege[std::size_t(i)];
        e.Lieferung = &lieferung;
        e.Abgebrochen = &auftrag.Abgebrochen;
        e.ErsterFehler = &ersterFehler;
        e.Nummer = i;
        zip_error_init(&e.Fehler);
        zip_source_t* quelle = zip_source_function(archiv, lieferQuelle, &e);
        const QByteArray eintragsname = (name + QLatin1Char('/') + bestand.Dateien[i]).toUtf8();
        const zip_int64_t index = quelle ? zip_file_add(archiv, eintragsname.constData(), quelle, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(quelle);
            angelegt = false;
            break;
        }
        zip_file_set_external_attributes(archiv, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, zip_uint32_t(0100644) << 16);
        // JPEG does not shrink; the settings and the card back do.
        zip_set_file_compression(archiv, zip_uint64_t(index), i < 2 ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    }

    Fortschrittsstand stand{&auftrag, int(pfade.size()), -1};
    zip_register_progress_callback_with_state(archiv, 0.001, meldeFortschritt, nullptr, &stand);
    zip_register_cancel_callback_with_state(archiv, frageAbbruch, nullptr, const_cast<Weitergabeauftrag*>(&auftrag));
    if (auftrag.Fortschritt)
        auftrag.Fortschritt(0, stand.Gesamt);

    // Everything is read, reduced and written here, entry by entry.
    if (!angelegt || zip_close(archiv) != 0) {
        const zip_error_t* fehler = zip_get_error(archiv);
        const bool abgebrochen = zip_error_code_zip(fehler) == ZIP_ER_CANCELLED;
        const QString text = !ersterFehler.isEmpty() ? ersterFehler : zipFehlertext(fehler);
        zip_discard(archiv);
        for (Eintrag& e : eintraege)
            zip_error_fini(&e.Fehler);
        return abgebrochen ? beendet(Weitergabeergebnis::Ausgang::Abgebrochen, {}) : fehlgeschlagen(text);
    }
    for (Eintrag& e : eintraege)
        zip_error_fini(&e.Fehler);

    if (const int fehler = uebernimm(entwurf, QFile::encodeName(ziel.absoluteFilePath())); fehler != 0) {
        ::unlink(entwurf.constData());
        return fehlgeschlagen(systemfehlerText(fehler));
    }
    // libzip's last report may fall short of the whole.
    if (auftrag.Fortschritt && stand.Gemeldet != stand.Gesamt)
        auftrag.Fortschritt(stand.Gesamt, stand.Gesamt);
    ergebnis.Art = Weitergabeergebnis::Ausgang::Geschrieben;
    ergebnis.Bytes = QFileInfo(ziel.absoluteFilePath()).size();
    ergebnis.Paare = bestand.Paare;
    ergebnis.Zusammenfassung = QStringLiteral("%1, %2, %3").arg(ziel.fileName(), weitergabeGroesse(ergebnis.Bytes),
                                                                bestand.Paare == 1 ? QStringLiteral("1 Paar")
                                                                                   : QStringLiteral("%1 Paare").arg(bestand.Paare));
    return ergebnis;
}
