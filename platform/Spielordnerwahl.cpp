#include "platform/Spielordnerwahl.h"

#include "platform/Nutzerkonfiguration.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Schluessel = QStringLiteral("Spielordner/zuletzt");

} // namespace

QString betreteOrdner(const QString& ordner)
{
    const QFileInfo info(ordner);
    if (!info.exists())
        return QStringLiteral("Den Spielordner „%1“ gibt es nicht.").arg(ordner);
    if (!info.isDir())
        return QStringLiteral("„%1“ ist kein Ordner.").arg(ordner);
    if (!QDir::setCurrent(ordner))
        return QStringLiteral("Der Spielordner „%1“ kann nicht geöffnet werden (keine Berechtigung?).").arg(ordner);
    return {};
}

QString waehleSpielordner(Nutzerkonfiguration& gedaechtnis, const std::function<QString(const QString&)>& dialog)
{
    QString start = gedaechtnis.wert(Schluessel);
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    const QString gewaehlt = dialog(start);
    if (!gewaehlt.isEmpty()) {
        gedaechtnis.setzeWert(Schluessel, gewaehlt);
        if (!gedaechtnis.speichere())
            gedaechtnis.meldeNichtGespeichert();
    }
    return gewaehlt;
}
