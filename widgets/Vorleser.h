#pragma once

#include <QElapsedTimer>
#include <QLocale>
#include <QString>

#include <deque>
#include <memory>
#include <utility>

class QTextToSpeech;

// Where the texts of turned cards are read aloud; tests put a recorder here.
class Vorleser {
public:
    virtual ~Vorleser() = default;
    // Speaks `text` in `sprache` once what is being spoken has ended; returns at once.
    virtual void sprich(const QString& text, const QLocale& sprache) = 0;
};

// Qt TextToSpeech (speech-dispatcher with espeak-ng). The engine starts with
// the first text, so a game that reads nothing aloud never connects to it;
// without an engine, or with one in error, nothing is said.
class Sprachausgabe final : public Vorleser {
public:
    Sprachausgabe();
    ~Sprachausgabe() override;
    void sprich(const QString& text, const QLocale& sprache) override;

private:
    void weiter();

    std::unique_ptr<QTextToSpeech> sprecher_;
    bool gestartet_ = false;
    std::deque<std::pair<QString, QLocale>> warteschlange_;
    // Since the last text was handed on; empty while nothing is spoken.
    QElapsedTimer spricht_;
};

// Why no text can be read aloud, in a short German sentence beginning
// "Keine Sprachausgabe gefunden: "; empty when an engine is ready. Starts an
// engine to ask, which may take a moment.
QString sprachausgabeFehlt();
