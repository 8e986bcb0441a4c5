#include "widgets/PaarlixApplication.h"

#include "platform/Fehlerbehandlung.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

PaarlixApplication::PaarlixApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The title. No display name: the window system would append it to the
    // window's caption.
    setApplicationName(QStringLiteral("Paarlix"));
    ladeQtTexte(*this);
}

bool ladeQtTexte(QCoreApplication& anwendung)
{
    auto* texte = new QTranslator(&anwendung);
    if (texte->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(texte))
        return true;
    delete texte;
    return false;
}

bool PaarlixApplication::notify(QObject* receiver, QEvent* event)
{
    bool ergebnis = false;
    Fehlerbehandlung::ausfuehren([&] { ergebnis = QApplication::notify(receiver, event); });
    return ergebnis;
}

void schalteSkalierungAus()
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    // A global or per-screen factor would scale all the same.
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
}
