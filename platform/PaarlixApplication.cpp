#include "platform/PaarlixApplication.h"

#include "platform/Fehlerbehandlung.h"

PaarlixApplication::PaarlixApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Paarlix"));
    setApplicationDisplayName(QStringLiteral("Paarlix"));
}

bool PaarlixApplication::notify(QObject* receiver, QEvent* event)
{
    bool ergebnis = false;
    Fehlerbehandlung::ausfuehren([&] { ergebnis = QApplication::notify(receiver, event); });
    return ergebnis;
}
