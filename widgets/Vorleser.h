#pragma once

#include <QLocale>
#include <QString>

#include <memory>

class QThread;

// Where the texts of turned cards are read aloud; tests put a recorder here.
class Vorleser {
public:
    virtual ~Vorleser() = default;
    // Speaks `text` in `sprache` once what is being spoken has ended; returns at once.
    virtual void sprich(const QString& text, const QLocale& sprache) = 0;
};

// Qt TextToSpeech (speech-dispatcher with espeak-ng) on a thread of its own,
// started with the first text, so that a game that reads nothing aloud never
// connects to the speech server, and a server that hangs (it may, without a
// sound device) never holds up the game. Without an engine, or with one in
// error, nothing is said.
class Sprachausgabe final : public Vorleser {
public:
    Sprachausgabe();
    // Waits a moment for the speech thread; one stuck in the server is left
    // to the end of the process.
    ~Sprachausgabe() override;
    void sprich(const QString& text, const QLocale& sprache) override;

private:
    class Sprecher;
    std::unique_ptr<QThread> faden_;
    Sprecher* sprecher_ = nullptr; // lives on faden_, deleted when it finishes
};

// Why no text can be read aloud, in a short German sentence beginning
// "Keine Sprachausgabe gefunden: "; empty when an engine is ready. Starts an
// engine to ask, and waits at most two seconds for it.
QString sprachausgabeFehlt();
