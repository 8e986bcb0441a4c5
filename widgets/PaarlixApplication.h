#pragma once

#include <QApplication>

// Device pixels whatever the desktop's scale (dpi or a scale factor): the
// window's sizes are screen pixels and its fonts have pixel heights. Takes
// effect only when called before the application object exists.
void schalteSkalierungAus();

// Qt's own dialogs (print, page setup, files) and buttons in German like the
// rest, whatever the locale. False where Qt's translations are not installed
// (qt6-translations-l10n).
bool ladeQtTexte(QCoreApplication& anwendung);

// The application object. Its notify() is the last line of the top-level
// error handler: nothing thrown inside an event handler crosses the event loop.
class PaarlixApplication final : public QApplication {
    Q_OBJECT
public:
    PaarlixApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
