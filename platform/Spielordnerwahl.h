#pragma once

#include <QString>

#include <functional>

class Nutzerkonfiguration;

// Makes `ordner` the current folder, as if the program had been started in
// it. Returns why it cannot (a German message), or empty on success.
QString betreteOrdner(const QString& ordner);

// Asks `dialog` for a game folder, starting in the folder chosen last time
// (remembered in `gedaechtnis`; the home folder before that or when it is
// gone), and remembers the choice (saved at once). Empty when the dialog was cancelled.
QString waehleSpielordner(Nutzerkonfiguration& gedaechtnis, const std::function<QString(const QString&)>& dialog);
