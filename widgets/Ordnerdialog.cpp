#include "widgets/Ordnerdialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString frageNachSpielordner(const QString& start)
{
    // Where the desktop offers no dialog of its own, Qt's shows; German like
    // the rest when Qt's translations are installed (qt6-translations-l10n).
    QTranslator qtTexte;
    const bool deutsch = qtTexte.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (deutsch)
        QCoreApplication::installTranslator(&qtTexte);
    const QString ordner =
        QFileDialog::getExistingDirectory(nullptr, QStringLiteral("Paarlix – Spielordner wählen"), start);
    if (deutsch)
        QCoreApplication::removeTranslator(&qtTexte);
    return ordner;
}
