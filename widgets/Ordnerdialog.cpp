#include "widgets/Ordnerdialog.h"

#include <QFileDialog>

QString frageNachSpielordner(const QString& start)
{
    return frageNachOrdner(nullptr, QStringLiteral("Paarlix – Spielordner wählen"), start);
}

QString frageNachOrdner(QWidget* eltern, const QString& titel, const QString& start)
{
    return QFileDialog::getExistingDirectory(eltern, titel, start);
}

QStringList frageNachDateien(QWidget* eltern, const QString& titel, const QString& start, const QString& filter)
{
    return QFileDialog::getOpenFileNames(eltern, titel, start, filter);
}

QString frageNachSpeicherort(QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter)
{
    return QFileDialog::getSaveFileName(eltern, titel, vorschlag, filter);
}
