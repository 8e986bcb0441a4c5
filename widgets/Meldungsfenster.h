#pragma once

#include "platform/Meldungen.h"

#include <QPointer>
#include <QWidget>

// The real message boxes: modal, one "OK" button, text shown as passed.
class Meldungsfenster final : public Meldungen {
public:
    void fehler(const QString& text) override;
    void warnung(const QString& text) override;
    void hinweis(const QString& text) override;
    void programmfehler(const QString& text) override;
    void hinweisMitOrdner(const QString& text, const QString& ordner) override;

    // The window the boxes are centred on; may be null. Forgotten when the
    // window is destroyed, so an error after it still finds no dangling parent.
    void setzeElternfenster(QWidget* fenster) { eltern_ = fenster; }

private:
    QPointer<QWidget> eltern_;
};
