#include "app/Spielordnerwahl.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

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

QString waehleSpielordner(QSettings& gedaechtnis, const std::function<QString(const QString&)>& dialog)
{
    QString start = gedaechtnis.value(Schluessel).toString();
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    const QString gewaehlt = dialog(start);
    if (!gewaehlt.isEmpty()) {
        gedaechtnis.setValue(Schluessel, gewaehlt);
        gedaechtnis.sync();
    }
    return gewaehlt;
}
