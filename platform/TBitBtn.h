#pragma once

#include <QPixmap>
#include <QPushButton>

// Push button with a picture left of its text, the two centred together with
// a fixed gap between them.
class TBitBtn final : public QPushButton {
    Q_OBJECT
public:
    explicit TBitBtn(const QString& text, QWidget* parent = nullptr);

    void setGlyph(const QPixmap& glyph);
    const QPixmap& glyph() const { return glyph_; }
    int Spacing = 4;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap glyph_;
};
