#pragma once

#include "platform/Meldungen.h"

class QWidget;

// The real message boxes: modal, one "OK" button, text shown as passed.
class Meldungsfenster final : public Meldungen {
public:
    void fehler(const QString& text) override;
    void warnung(const QString& text) override;
    void hinweis(const QString& text) override;
    void programmfehler(const QString& text) override;

    // The window the boxes are centred on; may be null.
    void setElternfenster(QWidget* fenster) { eltern_ = fenster; }

private:
    QWidget* eltern_ = nullptr;
};
