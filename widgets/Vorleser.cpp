#include "widgets/Vorleser.h"

#include <QTextToSpeech>

namespace {

// A text whose end was never reported (the speech server went away) does
// not hold back the next one for longer than this.
constexpr qint64 LaengsterText = 20000;

} // namespace

Sprachausgabe::Sprachausgabe() = default;

Sprachausgabe::~Sprachausgabe()
{
    // Stopping as it goes may still report a state: nothing of this object may hear it.
    if (sprecher_)
        QObject::disconnect(sprecher_.get(), nullptr, nullptr, nullptr);
}

void Sprachausgabe::sprich(const QString& text, const QLocale& sprache)
{
    if (!gestartet_) {
        gestartet_ = true;
        if (QTextToSpeech::availableEngines().isEmpty())
            return;
        sprecher_ = std::make_unique<QTextToSpeech>();
        // Saying a text cuts the one being said: the next waits for this signal.
        QObject::connect(sprecher_.get(), &QTextToSpeech::stateChanged, sprecher_.get(),
                         [this](QTextToSpeech::State zustand) {
                             if (zustand == QTextToSpeech::Ready || zustand == QTextToSpeech::Error) {
                                 spricht_.invalidate();
                                 weiter();
                             }
                         });
    }
    if (!sprecher_ || sprecher_->state() == QTextToSpeech::Error)
        return;
    warteschlange_.emplace_back(text, sprache);
    if (spricht_.isValid() && spricht_.elapsed() > LaengsterText)
        spricht_.invalidate();
    if (!spricht_.isValid())
        weiter();
}

void Sprachausgabe::weiter()
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

QString sprachausgabeFehlt()
{
    const QString anfang = QStringLiteral("Keine Sprachausgabe gefunden: ");
    if (QTextToSpeech::availableEngines().isEmpty())
        return anfang + QStringLiteral("Bitte speech-dispatcher und espeak-ng installieren.");
    const QTextToSpeech probe;
    if (probe.state() == QTextToSpeech::Error)
        return anfang + QStringLiteral("Der Sprachdienst antwortet nicht.");
    return {};
}
