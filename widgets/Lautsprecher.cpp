#include "widgets/Lautsprecher.h"

#include "play/Klangsynthese.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <limits>
#include <mutex>
#include <vector>

// The endless mixed stream that the output pulls; the window's thread adds
// sounds through the lock while the sound thread reads.
class Mischquelle final : public QIODevice {
public:
    void spiele(Klang klang)
    {
        const std::lock_guard sperre(sperre_);
        mischer_.spiele(klang);
    }

    // Endless: the output must never think the sound is over and drain the stream.
    bool isSequential() const override { return true; }
    bool atEnd() const override { return false; }
    qint64 bytesAvailable() const override { return std::numeric_limits<int>::max(); }

protected:
    qint64 readData(char* daten, qint64 hoechstens) override
    {
        const auto anzahl = static_cast<std::size_t>(hoechstens / 2);
        proben_.assign(anzahl, 0);
        const std::size_t still = std::min(vorlauf_, anzahl);
        vorlauf_ -= still;
        {
            const std::lock_guard sperre(sperre_);
            mischer_.mische(proben_.data() + still, anzahl - still);
        }
        std::memcpy(daten, proben_.data(), anzahl * 2);
        return qint64(anzahl * 2);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::mutex sperre_;
    Klangmischer mischer_;
    std::vector<std::int16_t> proben_;
    // A new stream loses its first few milliseconds (measured on a PulseAudio null
    // sink: the first sound came cut), so it starts with silence.
    std::size_t vorlauf_ = Klangrate * 50 / 1000;
};

namespace {

// What the server holds ahead of the ear: the delay from a click to its sound,
// and the time the sound thread may be late before the stream runs dry.
constexpr int PufferMs = 150;

QtMessageHandler vorigerHandler = nullptr;

// Qt Multimedia reports a missing sound server or device on standard error
// ("PulseAudioService: pa_context_connect() failed", "No audio device
// detected"); the game is silent then and says nothing.
void ohneTonmeldungen(QtMsgType art, const QMessageLogContext& kontext, const QString& text)
{
    const bool vomTon = (kontext.category && qstrncmp(kontext.category, "qt.multimedia", 13) == 0)
                        || text.startsWith(QLatin1String("PulseAudioService"))
                        || text.contains(QLatin1String("audio device"), Qt::CaseInsensitive);
    if (!vomTon && vorigerHandler)
        vorigerHandler(art, kontext, text);
}

void schweigeUeberTon()
{
    static std::once_flag einmal;
    std::call_once(einmal, [] { vorigerHandler = qInstallMessageHandler(ohneTonmeldungen); });
}

} // namespace

Lautsprecher::Lautsprecher() = default;

Lautsprecher::~Lautsprecher()
{
    if (!thread_)
        return;
    // The stream ends on its own thread, before the source it reads.
    QMetaObject::invokeMethod(
        arbeiter_, [this] { delete ausgabe_; }, Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    delete quelle_;
    delete arbeiter_;
}

void Lautsprecher::bereiteVor()
{
    if (!thread_ && !stumm_)
        starte();
}

void Lautsprecher::starte()
{
    schweigeUeberTon();
    thread_ = std::make_unique<QThread>();
    thread_->setObjectName(QStringLiteral("Lautsprecher"));
    arbeiter_ = new QObject;
    arbeiter_->moveToThread(thread_.get());
    quelle_ = new Mischquelle;
    quelle_->moveToThread(thread_.get());
    thread_->start(QThread::HighPriority);
    QMetaObject::invokeMethod(
        arbeiter_,
        [this] {
            const QAudioDevice geraet = QMediaDevices::defaultAudioOutput();
            QAudioFormat format;
            format.setSampleRate(Klangrate);
            format.setChannelCount(1);
            format.setSampleFormat(QAudioFormat::Int16);
            if (geraet.isNull() || !geraet.isFormatSupported(format)) {
                stumm_ = true;
                return;
            }
            ausgabe_ = new QAudioSink(geraet, format, arbeiter_);
            ausgabe_->setBufferSize(Klangrate * 2 * PufferMs / 1000);
            quelle_->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
            ausgabe_->start(quelle_);
            if (ausgabe_->state() == QAudio::StoppedState)
                stumm_ = true;
        },
        Qt::QueuedConnection);
}

void Lautsprecher::spiele(Klang klang)
{
    if (stumm_)
        return;
    if (!thread_)
        starte();
    // Waits in the mix until the stream (started or starting) takes the next samples.
    quelle_->spiele(klang);
}
