#pragma once

#include <QLabel>
#include <optional>

// Label with the background choices the program uses: transparent, the
// button-face colour, or the colour of the panel it lies on.
class TLabel final : public QLabel {
    Q_OBJECT
public:
    enum class Hintergrund { Transparent, Knopffarbe, Elternfarbe };

    explicit TLabel(const QString& text = QString(), QWidget* parent = nullptr);

    void setzeHintergrund(Hintergrund h);
    // Font by name and pixel height (the character height, not the point size).
    void setzeSchrift(const QString& name, int pixelHoehe, bool fett = false, bool unterstrichen = false);
    // Text colour; a disabled label is still drawn greyed.
    void setzeTextfarbe(const QColor& farbe);
    QColor textfarbe() const;

    // With AutomatischeGroesse on, a new caption resizes the label to its text.
    bool AutomatischeGroesse = false;
    void setzeBeschriftung(const QString& text);

    // Shows text cut at the right with "…" so that it is at most breite pixels
    // wide in the label's font; the whole text is the tooltip and the accessible name.
    void setzeGekuerztenText(const QString& text, int breite);
    // Width of text in the label's font.
    int textbreite(const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Hintergrund hintergrund_ = Hintergrund::Transparent;
};
