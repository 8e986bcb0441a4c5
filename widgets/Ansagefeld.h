#pragma once

#include <QLabel>

// Where the program speaks to a screen reader: it shows nothing on the screen,
// and each announcement is a notification that appears anew with its text.
// Qt 6.4 has no announcement event of its own.
class Ansagefeld final : public QLabel {
    Q_OBJECT
public:
    explicit Ansagefeld(QWidget* parent);

    void ansagen(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};
