#include "board/Spielfassung.h"

#include "platform/Spieldateien.h"

#include <QFile>

#include <sys/stat.h>

namespace {

long long nanosekunden(const timespec& t) { return (long long)t.tv_sec * 1000000000LL + t.tv_nsec; }

} // namespace

Spielfassung spielfassung(const QString& ordner)
{
    Spielfassung f;
    struct stat s {};
    if (::stat(QFile::encodeName(ordner).constData(), &s) != 0 || !S_ISDIR(s.st_mode))
        return f;
    f.Vorhanden = true;
    f.Geraet = s.st_dev;
    f.Knoten = s.st_ino;
    f.Geaendert = nanosekunden(s.st_mtim);
    const QString einstellungen = Spieldateien(ordner).pfad(QStringLiteral("Paarlix.ini"));
    if (::stat(QFile::encodeName(einstellungen).constData(), &s) == 0) {
        f.EinstellungenKnoten = s.st_ino;
        f.EinstellungenGroesse = s.st_size;
        f.EinstellungenGeaendert = nanosekunden(s.st_mtim);
    }
    return f;
}

bool spielGeaendert(const Spielfassung& vorher, const QString& ordner)
{
    const Spielfassung jetzt = spielfassung(ordner);
    return jetzt.Vorhanden && jetzt != vorher;
}
