#pragma once

#include <QApplication>

// The application object. Its notify() is the last line of the top-level
// error handler: nothing thrown inside an event handler crosses the event loop.
class PaarlixApplication final : public QApplication {
    Q_OBJECT
public:
    PaarlixApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
