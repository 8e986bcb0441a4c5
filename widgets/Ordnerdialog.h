#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The desktop's folder dialog, opened in `start`. Returns the chosen folder,
// empty when cancelled.
QString frageNachSpielordner(const QString& start);

// The desktop's folder dialog with another caption.
QString frageNachOrdner(QWidget* eltern, const QString& titel, const QString& start);

// The desktop's file dialog for several files at once, opened in `start`;
// filter as QFileDialog takes it. Empty when cancelled.
QStringList frageNachDateien(QWidget* eltern, const QString& titel, const QString& start, const QString& filter);

// The desktop's save dialog, opened at `vorschlag` (a folder and a file name). Empty when cancelled.
QString frageNachSpeicherort(QWidget* eltern, const QString& titel, const QString& vorschlag, const QString& filter);
