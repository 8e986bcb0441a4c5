#pragma once

#include <QColor>
#include <QFrame>
#include <optional>

// Panel with bevels and a background colour. Without a colour of its own it
// takes the button-face colour of the current palette each time it is drawn.
class TPanel final : public QFrame {
    Q_OBJECT
public:
    enum class Kante { Keine, Gesenkt, Erhaben };

    explicit TPanel(QWidget* parent = nullptr);

    Kante KanteAussen = Kante::Erhaben;
    Kante KanteInnen = Kante::Keine;

    // nullopt: the system button-face colour.
    void setzeFarbe(std::optional<QColor> farbe);
    std::optional<QColor> farbe() const { return farbe_; }
    // The colour the panel is drawn in now.
    QColor sichtbareFarbe() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QColor> farbe_;
};
