#pragma once

#include "platform/Bildziel.h"

#include <QWidget>
#include <functional>

// Image control: holds a picture (or none) and shows it stretched to its
// current size when Stretch is on. The click handler can be rebound at any
// time; it runs under the top-level error handler.
class TImage final : public QWidget, public Bildziel {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    int Width() const override { return width(); }
    int Height() const override { return height(); }
    const QImage& bild() const override { return bild_; }
    void setzeBild(const QImage& img) override;
    QImage& zeichenbitmap() override;
    void gezeichnet() override { update(); }
    Leinwand& leinwand() override { return leinwand_; }

    bool Stretch = false;
    int Tag = 0;
    std::function<void(TImage*)> OnClick;

    // What a click of the left button does: runs OnClick under the top-level
    // error handler.
    void klicken();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage bild_;
    Leinwand leinwand_;
    bool gedrueckt_ = false;
};
