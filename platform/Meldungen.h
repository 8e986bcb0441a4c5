#pragma once

#include <QString>

// The program's modal message boxes, each with one "OK" button. Passed to
// whoever reports something so that tests can record instead of block.
class Meldungen {
public:
    virtual ~Meldungen() = default;

    // Caption "Fehler", error icon: settings errors.
    virtual void fehler(const QString& text) = 0;
    // Caption "Warnung", warning icon: a picture format we cannot show.
    virtual void warnung(const QString& text) = 0;
    // Caption "Paarlix", no icon: hints and consistency checks.
    virtual void hinweis(const QString& text) = 0;
    // Caption "Paarlix", error icon: errors that ended a handler. The text
    // arrives complete (full stop already appended).
    virtual void programmfehler(const QString& text) = 0;
    // Caption "Paarlix", no icon, with "Ordner öffnen" beside "OK", which
    // shows ordner in the file manager: where something was written.
    virtual void hinweisMitOrdner(const QString& text, const QString& ordner)
    {
        static_cast<void>(ordner);
        hinweis(text);
    }
};
