#pragma once

#include <QColor>
#include <QWidget>

// A frame that shows where the keyboard focus is. It lies over the controls
// around its target and paints only its bands, so the target stays visible;
// it takes no clicks.
class TFokusrahmen final : public QWidget {
    Q_OBJECT
public:
    explicit TFokusrahmen(QWidget* parent, const QColor& farbe);

    // Frames the rectangle aussen (in the parent's coordinates) with bands of
    // dickeX pixels left and right and dickeY pixels at the top and bottom.
    void umrahme(const QRect& aussen, int dickeX, int dickeY);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor farbe_;
    int dickeX_ = 2;
    int dickeY_ = 2;
};
