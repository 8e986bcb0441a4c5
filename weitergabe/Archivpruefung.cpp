#include "weitergabe/Archivpruefung.h"

#include "platform/Dateiname.h"
#include "platform/Spielname.h"
#include "weitergabe/Spieldateiauswahl.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include <sys/stat.h>
#include <zip.h>

namespace {

QString eintrag(const QString& pfad, const QString& was)
{
    return QStringLiteral("der Eintrag %1 %2").arg(sichtbarInAnfuehrung(pfad), was);
}

// C0, DEL and C1, in the name as stored and as decoded.
bool hatSteuerzeichen(const char* roh, const QString& name)
{
    for (const char* c = roh; *c; ++c)
        if (static_cast<unsigned char>(*c) < 0x20 || *c == 0x7f)
            return true;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0))
            return true;
    return false;
}

// Why the name cannot be a path inside the target; empty when it can.
QString pfadFehler(const char* roh, const QString& pfad)
{
    // Shown as stored: libzip reads the control characters of a name not marked
    // UTF-8 as CP437's pictures (a smiley for 0x01), which hides them.
    if (hatSteuerzeichen(roh, pfad))
        return eintrag(lesbarerDateiname(roh), QStringLiteral("enthält ein Steuerzeichen"));
    if (pfad.contains(QLatin1Char('\\')))
        return eintrag(pfad, QStringLiteral("enthält einen umgekehrten Schrägstrich"));
    if (pfad.startsWith(QLatin1Char('/')) || (pfad.size() > 1 && pfad[1] == QLatin1Char(':')))
        return eintrag(pfad, QStringLiteral("ist ein absoluter Pfad"));
    const QStringList teile = pfad.endsWith(QLatin1Char('/')) ? pfad.chopped(1).split(QLatin1Char('/'))
                                                                : pfad.split(QLatin1Char('/'));
    for (const QString& teil : teile) {
        if (teil == QLatin1String(".."))
            return eintrag(pfad, QStringLiteral("führt mit „..“ aus dem Ordner hinaus"));
        if (teil.isEmpty() || teil == QLatin1String("."))
            return eintrag(pfad, QStringLiteral("hat einen leeren Pfadteil"));
    }
    return {};
}

// Links, devices, pipes and sockets as Unix packers mark them; other systems
// know only files and folders.
QString artFehler(zip* archiv, zip_uint64_t i, const QString& pfad)
{
    zip_uint8_t system = 0;
    zip_uint32_t merkmale = 0;
    if (zip_file_get_external_attributes(archiv, i, 0, &system, &merkmale) != 0)
        return eintrag(pfad, QStringLiteral("hat unlesbare Angaben"));
    if (system != ZIP_OPSYS_UNIX)
        return {};
    const mode_t art = (merkmale >> 16) & S_IFMT;
    const bool ordner = pfad.endsWith(QLatin1Char('/'));
    if (art == 0 || (art == S_IFREG && !ordner) || (art == S_IFDIR && ordner))
        return {};
    if (art == S_IFLNK)
        return eintrag(pfad, QStringLiteral("ist eine Verknüpfung"));
    if (art == S_IFCHR || art == S_IFBLK)
        return eintrag(pfad, QStringLiteral("ist eine Gerätedatei"));
    return eintrag(pfad, QStringLiteral("ist keine gewöhnliche Datei"));
}

// Checks one entry and files it; the reason to refuse, or empty.
QString nimmAuf(zip* archiv, zip_uint64_t i, Archivinhalt& inhalt, QSet<QString>& gesehen)
{
    const char* roh = zip_get_name(archiv, i, ZIP_FL_ENC_RAW);
    zip_stat_t st;
    if (!roh || zip_stat_index(archiv, i, 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME))
        return QStringLiteral("ihr Eintrag Nr. %1 ist unlesbar").arg(i + 1);
    const QString pfad = QString::fromUtf8(st.name);
    if (pfad.isEmpty())
        return QStringLiteral("ihr Eintrag Nr. %1 hat keinen Namen").arg(i + 1);
    if (QString f = pfadFehler(roh, pfad); !f.isEmpty())
        return f;
    if (QString f = artFehler(archiv, i, pfad); !f.isEmpty())
        return f;
    const bool ordner = pfad.endsWith(QLatin1Char('/'));
    const QString ohneSchraegstrich = ordner ? pfad.chopped(1) : pfad;
    if (gesehen.contains(ohneSchraegstrich))
        return eintrag(pfad, QStringLiteral("kommt doppelt vor"));
    gesehen.insert(ohneSchraegstrich);

    const qsizetype schnitt = ohneSchraegstrich.indexOf(QLatin1Char('/'));
    const QString oben = schnitt < 0 ? ohneSchraegstrich : ohneSchraegstrich.first(schnitt);
    if (schnitt < 0 && !ordner)
        return eintrag(pfad, QStringLiteral("liegt nicht im Ordner des Spiels"));
    if (inhalt.Spielname.isEmpty()) {
        if (const QString f = spielnameFehler(oben); !f.isEmpty() || oben != oben.trimmed())
            return QStringLiteral("ihr Ordner %1 taugt nicht als Name eines Spiels").arg(sichtbarInAnfuehrung(oben));
        inhalt.Spielname = oben;
    } else if (oben != inhalt.Spielname) {
        return QStringLiteral("sie enthält mehr als einen Ordner (%1 und %2)")
            .arg(sichtbarInAnfuehrung(inhalt.Spielname), sichtbarInAnfuehrung(oben));
    }

    if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
        return eintrag(pfad, QStringLiteral("ist verschlüsselt"));
    if (!(st.valid & ZIP_STAT_COMP_METHOD) || !zip_compression_method_supported(st.comp_method, 0))
        return eintrag(pfad, QStringLiteral("ist mit einem unbekannten Verfahren gepackt"));
    if (!(st.valid & ZIP_STAT_SIZE))
        return eintrag(pfad, QStringLiteral("gibt seine Größe nicht an"));
    if (st.size > zip_uint64_t(GroessteSpieldatei))
        return eintrag(pfad, QStringLiteral("ist größer als %1 MB").arg(GroessteSpieldatei >> 20));
    if (ordner && st.size != 0)
        return eintrag(pfad, QStringLiteral("ist ein Ordner mit Inhalt"));
    if (ordner)
        return {};

    const QString imSpiel = ohneSchraegstrich.mid(schnitt + 1);
    if (!liestDasSpiel(imSpiel)) {
        inhalt.Ausgelassen += imSpiel;
        return {};
    }
    inhalt.Dateien.push_back({i, imSpiel, pfad, qint64(st.size)});
    inhalt.Bytes += qint64(st.size);
    if (inhalt.Bytes > GroessteAuspackung)
        return QStringLiteral("ausgepackt wäre sie größer als %1 GB").arg(GroessteAuspackung >> 30);
    return {};
}

} // namespace

QString ablehnung(const QString& datei, const QString& grund)
{
    return QStringLiteral("Die Datei %1 wird nicht übernommen: %2.").arg(sichtbarInAnfuehrung(QFileInfo(datei).fileName()), grund);
}

Archivinhalt pruefeArchiv(zip* archiv)
{
    Archivinhalt inhalt;
    const zip_int64_t anzahl = zip_get_num_entries(archiv, 0);
    if (anzahl > GroessteEintragszahl) {
        inhalt.Grund = QStringLiteral("sie enthält mehr als %1 Einträge").arg(GroessteEintragszahl);
        return inhalt;
    }
    QSet<QString> gesehen;
    for (zip_int64_t i = 0; i < anzahl; ++i) {
        inhalt.Grund = nimmAuf(archiv, zip_uint64_t(i), inhalt, gesehen);
        if (inhalt.abgelehnt())
            return inhalt;
    }
    if (inhalt.Spielname.isEmpty())
        inhalt.Grund = QStringLiteral("sie enthält kein Spiel");
    else if (std::none_of(inhalt.Dateien.begin(), inhalt.Dateien.end(),
                          [](const Archiveintrag& d) { return istEinstellungsdatei(d.Name); }))
        inhalt.Grund = QStringLiteral("ihr Ordner %1 enthält keine „Paarlix.ini“").arg(sichtbarInAnfuehrung(inhalt.Spielname));
    return inhalt;
}
