#pragma once

#include <QScrollArea>

// Top-level window whose client area scrolls: a scroll bar appears when a
// visible control reaches past the right or bottom edge of the client area
// (never for the left or top edge). Nothing is re-laid out when one appears.
class Rollfenster : public QScrollArea {
    Q_OBJECT
public:
    explicit Rollfenster(QWidget* parent = nullptr);

    // Parent of every control of the window; its coordinates are client coordinates.
    QWidget* Client() const { return client_; }
    int ClientWidth() const;
    int ClientHeight() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void passeClientAn();

    QWidget* client_;
};
