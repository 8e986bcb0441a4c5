#include "widgets/Vorleser.h"

#include <QElapsedTimer>
#include <QTextToSpeech>
#include <QThread>

#include <chrono>
#include <deque>
#include <future>
#include <thread>
#include <utility>

namespace {

// A text whose end was never reported (the speech server went away) does
// not hold back the next one for longer than this.
constexpr qint64 LaengsterText = 20000;

} // namespace

// Lives on the speech thread: the engine, the texts waiting, and whether one is being said.
class Sprachausgabe::Sprecher final : public QObject {
public:
    void sprich(const QString& text, const QLocale& sprache)
    {
        if (!gestartet_) {
            gestartet_ = true;
            if (!QTextToSpeech::availableEngines().isEmpty())
                starte();
        }
        if (!sprecher_ || sprecher_->state() == QTextToSpeech::Error)
            return;
        warteschlange_.emplace_back(text, sprache);
        if (spricht_.isValid() && spricht_.elapsed() > LaengsterText)
            spricht_.invalidate();
        if (!spricht_.isValid())
            weiter();
    }

private:
    void starte()
    {
        sprecher_ = std::make_unique<QTextToSpeech>();
        // Saying a text cuts the one being said: the next waits for this signal.
        connect(sprecher_.get(), &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State zustand) {
            if (zustand == QTextToSpeech::Ready || zustand == QTextToSpeech::Error) {
                spricht_.invalidate();
                weiter();
            }
        });
    }

    void weiter()
    {
        if (warteschlange_.empty() || sprecher_->state() == QTextToSpeech::Error)
            return;
        const auto [text, sprache] = std::move(warteschlange_.front());
        warteschlange_.pop_front();
        if (sprecher_->locale() != sprache)
            sprecher_->setLocale(sprache);
        spricht_.start();
        sprecher_->say(text);
    }

    bool gestartet_ = false;
    std::deque<std::pair<QString, QLocale>> warteschlange_;
    QElapsedTimer spricht_; // since the last text was handed on; invalid while nothing is said
    // Last, so that it goes first: a state it reports while stopping finds the rest still there.
    std::unique_ptr<QTextToSpeech> sprecher_;
};

Sprachausgabe::Sprachausgabe() = default;

Sprachausgabe::~Sprachausgabe()
{
    if (!faden_)
        return;
    faden_->quit();
    if (!faden_->wait(QDeadlineTimer(2000)))
        (void)faden_.release(); // blocked in the speech server: the process's end takes it
}

void Sprachausgabe::sprich(const QString& text, const QLocale& sprache)
{
    if (!faden_) {
        faden_ = std::make_unique<QThread>();
        faden_->setObjectName(QStringLiteral("Sprachausgabe"));
        sprecher_ = new Sprecher;
        sprecher_->moveToThread(faden_.get());
        QObject::connect(faden_.get(), &QThread::finished, sprecher_, &QObject::deleteLater);
        faden_->start();
    }
    QMetaObject::invokeMethod(sprecher_, [s = sprecher_, text, sprache] { s->sprich(text, sprache); });
}

QString sprachausgabeFehlt()
{
    const QString anfang = QStringLiteral("Keine Sprachausgabe gefunden: ");
    if (QTextToSpeech::availableEngines().isEmpty())
        return anfang + QStringLiteral("Bitte speech-dispatcher und espeak-ng installieren.");
    // A speech server that hangs would hold up the window for good: asked on a thread that
    // is left behind when it does not answer.
    auto bereit = std::make_shared<std::promise<bool>>();
    std::future<bool> antwort = bereit->get_future();
    std::thread([bereit] {
        const QTextToSpeech probe;
        bereit->set_value(probe.state() != QTextToSpeech::Error);
    }).detach();
    if (antwort.wait_for(std::chrono::seconds(2)) != std::future_status::ready || !antwort.get())
        return anfang + QStringLiteral("Der Sprachdienst antwortet nicht.");
    return {};
}
