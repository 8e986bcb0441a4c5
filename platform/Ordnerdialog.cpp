#include "platform/Ordnerdialog.h"

#include <QFileDialog>

QString frageNachSpielordner(const QString& start)
{
    return QFileDialog::getExistingDirectory(nullptr, QStringLiteral("Paarlix – Spielordner wählen"), start);
}
