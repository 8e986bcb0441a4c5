#pragma once

#include <QString>
#include <stdexcept>

// An error that ends the current handler and is shown by the top-level error
// handler (see platform/Fehlerbehandlung.h). Its text is shown as built; the
// handler appends the full stop.
class EPaarlixFehler : public std::runtime_error {
public:
    explicit EPaarlixFehler(const QString& text)
        : std::runtime_error(text.toStdString()), text_(text) {}

    const QString& text() const { return text_; }

private:
    QString text_;
};
