#include "platform/Nutzerkonfiguration.h"

#include "platform/Lesedatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

const QString Allgemein = QStringLiteral("General");

bool istHex(QChar c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Keys as QSettings writes them: letters, digits and _-. stay, the rest as %XX or %UXXXX.
QString kodiereSchluessel(const QString& schluessel)
{
    QString ergebnis;
    for (const QChar c : schluessel) {
        const char16_t u = c.unicode();
        if (c == '/')
            ergebnis += '\\';
        else if ((u < 0x80 && c.isLetterOrNumber()) || c == '_' || c == '-' || c == '.')
            ergebnis += c;
        else if (u <= 0xFF)
            ergebnis += QStringLiteral("%%1").arg(u, 2, 16, QLatin1Char('0')).toUpper();
        else
            ergebnis += QStringLiteral("%U%1").arg(u, 4, 16, QLatin1Char('0')).toUpper();
    }
    return ergebnis;
}

QString dekodiereSchluessel(const QString& text)
{
    QString ergebnis;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\\') {
            ergebnis += '/';
            continue;
        }
        if (c == '%') {
            const bool breit = i + 1 < text.size() && text[i + 1] == 'U';
            const qsizetype anfang = i + (breit ? 2 : 1);
            const qsizetype stellen = breit ? 4 : 2;
            bool ok = anfang + stellen <= text.size();
            const uint code = ok ? text.mid(anfang, stellen).toUInt(&ok, 16) : 0;
            if (ok) {
                ergebnis += QChar(char16_t(code));
                i = anfang + stellen - 1;
                continue;
            }
        }
        ergebnis += c;
    }
    return ergebnis;
}

// One value as QSettings writes a string: quoted when it holds , ; = or spaces at an end,
// backslash escapes for quotes, backslashes and control characters, "@" doubled at the start.
QString kodiereWert(const QString& wert)
{
    const bool anfuehren = wert.contains(',') || wert.contains(';') || wert.contains('=')
        || (!wert.isEmpty() && (wert.front().isSpace() || wert.back().isSpace()));
    QString ergebnis;
    if (anfuehren)
        ergebnis += '"';
    if (wert.startsWith('@'))
        ergebnis += '@';
    bool hexDavor = false;
    for (const QChar c : wert) {
        const char16_t u = c.unicode();
        // A \x escape reads every hex digit after it, so one that follows is escaped too.
        if (u < 0x20 || u == 0x7F || (hexDavor && istHex(c))) {
            static const char* const benannt = "\a\b\f\n\r\t\v";
            static const char* const buchstabe = "abfnrtv";
            const char* stelle = u != 0 && u < 0x20 ? std::strchr(benannt, int(u)) : nullptr;
            if (stelle && !hexDavor) {
                ergebnis += '\\';
                ergebnis += QLatin1Char(buchstabe[stelle - benannt]);
            } else {
                ergebnis += QStringLiteral("\\x%1").arg(u, 0, 16);
                hexDavor = true;
                continue;
            }
        } else if (c == '"' || c == '\\') {
            ergebnis += '\\';
            ergebnis += c;
        } else {
            ergebnis += c;
        }
        hexDavor = false;
    }
    if (anfuehren)
        ergebnis += '"';
    return ergebnis;
}

// The items of a value as QSettings reads them: separated by commas outside quotes, spaces
// around an item dropped unless quoted, backslash escapes, ";" outside quotes ends the value.
QStringList dekodiereWert(const QString& text)
{
    QStringList teile;
    QString aktuell;
    qsizetype behalten = 0; // length of aktuell without trailing unquoted spaces
    bool inAnfuehrung = false;
    bool angefangen = false;
    const auto nimm = [&](QChar c, bool fest) {
        aktuell += c;
        if (fest || !c.isSpace())
            behalten = aktuell.size();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '"') {
            inAnfuehrung = !inAnfuehrung;
            angefangen = true;
            behalten = aktuell.size();
        } else if (c == '\\' && i + 1 < text.size()) {
            const QChar n = text[++i];
            static const QString buchstaben = QStringLiteral("abfnrtv");
            static const QString zeichen = QStringLiteral("\a\b\f\n\r\t\v");
            angefangen = true;
            if (const qsizetype k = buchstaben.indexOf(n); k >= 0) {
                nimm(zeichen[k], true);
            } else if (n == 'x') {
                uint code = 0;
                while (i + 1 < text.size() && istHex(text[i + 1]))
                    code = (code * 16 + uint(QString(text[++i]).toUInt(nullptr, 16))) & 0xFFFF;
                nimm(QChar(char16_t(code)), true);
            } else if (n >= '0' && n <= '7') {
                uint code = uint(n.unicode() - '0');
                for (int stelle = 0; stelle < 2 && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7';
                     ++stelle)
                    code = code * 8 + uint(text[++i].unicode() - '0');
                nimm(QChar(char16_t(code)), true);
            } else {
                nimm(n, true);
            }
        } else if (!inAnfuehrung && c == ',') {
            teile += aktuell.left(behalten);
            aktuell.clear();
            behalten = 0;
            angefangen = false;
        } else if (!inAnfuehrung && c == ';') {
            break;
        } else if (!inAnfuehrung && !angefangen && c.isSpace()) {
            continue;
        } else {
            angefangen = true;
            nimm(c, inAnfuehrung);
        }
    }
    teile += aktuell.left(behalten);
    if (teile.size() == 1 && teile[0] == QStringLiteral("@Invalid()"))
        return {};
    for (QString& teil : teile)
        if (teil.startsWith(QStringLiteral("@@")))
            teil.remove(0, 1);
    return teile;
}

} // namespace

Nutzerkonfiguration::Nutzerkonfiguration(QString pfad) : pfad_(std::move(pfad))
{
    try {
        lies();
    } catch (...) {
        eintraege_.clear();
    }
}

QString Nutzerkonfiguration::standardPfad()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/paarlix/paarlix.conf");
}

void Nutzerkonfiguration::lies()
{
    // A link is not followed: saving replaces the link, so its target is not this config.
    struct stat info {};
    const QByteArray name = QFile::encodeName(pfad_);
    if (name.isEmpty() || ::lstat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return;
    Lesedatei datei(pfad_);
    QByteArray inhalt;
    if (!datei.offen() || datei.liesAlles(inhalt, Hoechstgroesse) != Lesedatei::Lesen::Gelesen)
        return;
    if (inhalt.contains('\0'))
        return;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(inhalt);
    if (utf8.hasError())
        return;

    QString gruppe;
    for (const QStringView roh : QStringView(text).split('\n')) {
        const QString zeile = roh.trimmed().toString();
        if (zeile.isEmpty() || zeile.startsWith(';') || zeile.startsWith('#'))
            continue;
        if (zeile.startsWith('[') && zeile.endsWith(']')) {
            gruppe = dekodiereSchluessel(zeile.mid(1, zeile.size() - 2).trimmed());
            if (gruppe == Allgemein)
                gruppe.clear();
            continue;
        }
        const qsizetype gleich = zeile.indexOf('=');
        if (gleich <= 0)
            continue;
        const QString schluessel = dekodiereSchluessel(zeile.left(gleich).trimmed());
        const QStringList teile = dekodiereWert(zeile.mid(gleich + 1));
        eintraege_[gruppe.isEmpty() ? schluessel : gruppe + '/' + schluessel] = {teile, teile.size() != 1};
    }
}

QString Nutzerkonfiguration::wert(const QString& schluessel, const QString& vorgabe) const
{
    const auto eintrag = eintraege_.find(schluessel);
    if (eintrag == eintraege_.end())
        return vorgabe;
    if (eintrag->second.teile.isEmpty())
        return {};
    return eintrag->second.teile.size() == 1 ? eintrag->second.teile[0] : vorgabe;
}

QStringList Nutzerkonfiguration::liste(const QString& schluessel) const
{
    const auto eintrag = eintraege_.find(schluessel);
    return eintrag == eintraege_.end() ? QStringList() : eintrag->second.teile;
}

void Nutzerkonfiguration::setzeWert(const QString& schluessel, const QString& wert)
{
    eintraege_[schluessel] = {QStringList{wert}, false};
}

void Nutzerkonfiguration::setzeListe(const QString& schluessel, const QStringList& werte)
{
    eintraege_[schluessel] = {werte, true};
}

bool Nutzerkonfiguration::speichere() const
{
    try {
        // Keys without a group first, then one section per group, as QSettings orders them.
        std::map<QString, QStringList> abschnitte;
        for (const auto& [schluessel, eintrag] : eintraege_) {
            const qsizetype strich = schluessel.indexOf('/');
            const QString gruppe = strich > 0 ? schluessel.left(strich) : Allgemein;
            const QString rest = strich > 0 ? schluessel.mid(strich + 1) : schluessel;
            QString text;
            if (eintrag.liste && eintrag.teile.isEmpty())
                text = QStringLiteral("@Invalid()");
            for (const QString& teil : eintrag.teile)
                text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + kodiereWert(teil);
            abschnitte[gruppe] += kodiereSchluessel(rest) + '=' + text;
        }
        QString text;
        const auto schreibe = [&text](const QString& gruppe, const QStringList& zeilen) {
            if (!text.isEmpty())
                text += '\n';
            text += '[' + kodiereSchluessel(gruppe) + "]\n" + zeilen.join('\n') + '\n';
        };
        if (const auto allgemein = abschnitte.find(Allgemein); allgemein != abschnitte.end())
            schreibe(allgemein->first, allgemein->second);
        for (const auto& [gruppe, zeilen] : abschnitte)
            if (gruppe != Allgemein)
                schreibe(gruppe, zeilen);

        const QFileInfo ziel(pfad_);
        if (pfad_.isEmpty() || !QDir().mkpath(ziel.absolutePath()))
            return false;
        // A new file (O_EXCL, so never through a link) beside the old one, renamed over it:
        // a link there is replaced, not followed, and a reader never sees half a file.
        QTemporaryFile neu(ziel.absoluteFilePath() + QStringLiteral(".XXXXXX"));
        if (!neu.open())
            return false;
        const QByteArray bytes = text.toUtf8();
        if (neu.write(bytes) != bytes.size() || !neu.flush())
            return false;
        neu.close();
        if (std::rename(QFile::encodeName(neu.fileName()).constData(),
                        QFile::encodeName(ziel.absoluteFilePath()).constData())
            != 0)
            return false;
        neu.setAutoRemove(false);
        return true;
    } catch (...) {
        return false;
    }
}
