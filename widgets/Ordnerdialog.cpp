#include "widgets/Ordnerdialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <functional>

namespace {

// Where the desktop offers no dialog of its own, Qt's shows; German like
// the rest when Qt's translations are installed (qt6-translations-l10n).
template <typename Ergebnis>
Ergebnis aufDeutsch(const std::function<Ergebnis()>& dialog)
{
    QTranslator qtTexte;
    const bool deutsch = qtTexte.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (deutsch)
        QCoreApplication::installTranslator(&qtTexte);
    Ergebnis ergebnis = dialog();
    if (deutsch)
        QCoreApplication::removeTranslator(&qtTexte);
    return ergebnis;
}

} // namespace

QString frageNachSpielordner(const QString& start)
{
    return frageNachOrdner(nullptr, QStringLiteral("Paarlix – Spielordner wählen"), start);
}

QString frageNachOrdner(QWidget* eltern, const QString& titel, const QString& start)
{
    return aufDeutsch<QString>([&] { return QFileDialog::getExistingDirectory(eltern, titel, start); });
}

QStringList frageNachDateien(QWidget* eltern, const QString& titel, const QString& start, const QString& filter)
{
    return aufDeutsch<QStringList>([&] { return QFileDialog::getOpenFileNames(eltern, titel, start, filter); });
}
