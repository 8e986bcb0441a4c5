#pragma once

#include <QPixmap>
#include <QPushButton>

// Push button with a picture left of its text, the two centred together with
// a fixed gap between them.
class TBitBtn final : public QPushButton {
    Q_OBJECT
public:
    explicit TBitBtn(const QString& text, QWidget* parent = nullptr);

    void setzeKnopfbild(const QPixmap& bild);
    const QPixmap& knopfbild() const { return knopfbild_; }
    int Abstand = 4;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap knopfbild_;
};
