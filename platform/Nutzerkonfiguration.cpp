#include "platform/Nutzerkonfiguration.h"

#include "platform/Dateiname.h"
#include "platform/Lesedatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <sys/stat.h>

namespace {

using Eintraege = std::map<QString, Nutzerkonfiguration::Eintrag>;

// The key as QSettings stores it: "a//b/" is "a/b".
QString normalisiert(const QString& schluessel) { return schluessel.split('/', Qt::SkipEmptyParts).join('/'); }

// The file's keys, read by QSettings from a private copy; empty when the file is odd.
Eintraege liesDatei(const QString& pfad)
{
    // A link is not followed: saving replaces the link, so its target is not this config.
    struct stat info {};
    const QByteArray name = QFile::encodeName(pfad);
    if (name.isEmpty() || ::lstat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    Lesedatei datei(pfad);
    QByteArray inhalt;
    if (!datei.offen() || datei.liesAlles(inhalt, Nutzerkonfiguration::Hoechstgroesse) != Lesedatei::Lesen::Gelesen)
        return {};
    if (inhalt.contains('\0'))
        return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = utf8(inhalt); // only the decoding sets hasError()
    if (utf8.hasError())
        return {};

    const QTemporaryDir privat;
    const QString kopie = privat.filePath(QStringLiteral("paarlix.conf"));
    QFile aus(kopie);
    if (!privat.isValid() || !aus.open(QIODevice::WriteOnly) || aus.write(inhalt) != inhalt.size() || !aus.flush())
        return {};
    aus.close();
    Eintraege eintraege;
    const QSettings settings(kopie, QSettings::IniFormat);
    for (const QString& schluessel : settings.allKeys()) {
        const QVariant wert = settings.value(schluessel);
        if (!wert.isValid())
            eintraege[schluessel] = {{}, true};
        else if (wert.metaType().id() == QMetaType::QStringList)
            eintraege[schluessel] = {wert.toStringList(), true};
        else
            eintraege[schluessel] = {{wert.toString()}, false};
    }
    return eintraege;
}

// Writes the keys to a new file in a private folder beside ziel and renames it over ziel:
// a link there is replaced, not followed, and a reader never sees half a file.
bool schreibeDatei(const QFileInfo& ziel, const Eintraege& eintraege)
{
    const QTemporaryDir neu(ziel.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!neu.isValid())
        return false;
    const QString datei = neu.filePath(QStringLiteral("neu.conf"));
    {
        QSettings settings(datei, QSettings::IniFormat);
        for (const auto& [schluessel, eintrag] : eintraege) {
            if (eintrag.Liste)
                settings.setValue(schluessel, eintrag.Teile);
            else
                settings.setValue(schluessel, eintrag.Teile.value(0));
        }
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    // An empty config is no file for QSettings; it is still an answer.
    if (!QFile::exists(datei)) {
        QFile leer(datei);
        if (!leer.open(QIODevice::WriteOnly))
            return false;
    }
    QFile::setPermissions(datei, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return std::rename(QFile::encodeName(datei).constData(), QFile::encodeName(ziel.absoluteFilePath()).constData())
        == 0;
}

} // namespace

Nutzerkonfiguration::Nutzerkonfiguration(QString pfad) : pfad_(std::move(pfad))
{
    try {
        eintraege_ = liesDatei(pfad_);
    } catch (...) {
        eintraege_.clear();
    }
}

QString Nutzerkonfiguration::standardPfad()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/paarlix/paarlix.conf");
}

QString Nutzerkonfiguration::wert(const QString& schluessel, const QString& vorgabe) const
{
    const auto eintrag = eintraege_.find(normalisiert(schluessel));
    if (eintrag == eintraege_.end())
        return vorgabe;
    if (eintrag->second.Teile.isEmpty())
        return {};
    return eintrag->second.Teile.size() == 1 ? eintrag->second.Teile[0] : vorgabe;
}

QStringList Nutzerkonfiguration::liste(const QString& schluessel) const
{
    const auto eintrag = eintraege_.find(normalisiert(schluessel));
    return eintrag == eintraege_.end() ? QStringList() : eintrag->second.Teile;
}

void Nutzerkonfiguration::setzeWert(const QString& schluessel, const QString& wert)
{
    const QString s = normalisiert(schluessel);
    eintraege_[s] = {QStringList{wert}, false};
    geaendert_.insert(s);
    aenderungen_.erase(s);
}

void Nutzerkonfiguration::setzeListe(const QString& schluessel, const QStringList& werte)
{
    const QString s = normalisiert(schluessel);
    eintraege_[s] = {werte, true};
    geaendert_.insert(s);
    aenderungen_.erase(s);
}

void Nutzerkonfiguration::aendereListe(const QString& schluessel,
                                       std::function<QStringList(const QStringList&)> aenderung)
{
    const QString s = normalisiert(schluessel);
    eintraege_[s] = {aenderung(liste(s)), true};
    // A value set since the last save is written whole, with the change in it.
    if (!geaendert_.contains(s))
        aenderungen_[s].push_back(std::move(aenderung));
}

void Nutzerkonfiguration::meldeNichtGespeichert() const
{
    static std::atomic_flag gemeldet;
    if (gemeldet.test_and_set())
        return;
    std::fprintf(stderr, "Paarlix: Die Einstellungen können nicht in „%s“ gespeichert werden.\n",
                 qUtf8Printable(sichtbar(pfad_)));
}

bool Nutzerkonfiguration::speichere()
{
    try {
        const QFileInfo ziel(pfad_);
        if (pfad_.isEmpty() || !QDir().mkpath(ziel.absolutePath()))
            return false;
        QLockFile sperre(ziel.absoluteFilePath() + QStringLiteral(".lock"));
        if (!sperre.tryLock(SperrWartezeitMs))
            return false;
        Eintraege jetzt = liesDatei(pfad_);
        for (const QString& schluessel : geaendert_)
            jetzt[schluessel] = eintraege_.at(schluessel);
        for (const auto& [schluessel, aenderungen] : aenderungen_) {
            const auto da = jetzt.find(schluessel);
            QStringList werte = da == jetzt.end() ? QStringList() : da->second.Teile;
            for (const auto& aenderung : aenderungen)
                werte = aenderung(werte);
            jetzt[schluessel] = {werte, true};
        }
        if (!schreibeDatei(ziel, jetzt))
            return false;
        eintraege_ = std::move(jetzt);
        geaendert_.clear();
        aenderungen_.clear();
        return true;
    } catch (...) {
        return false;
    }
}
