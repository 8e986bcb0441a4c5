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

    void spieleKartenton(const Kartenklang& klang)
    {
        const std::lock_guard sperre(sperre_);
        mischer_.spieleKartenton(klang);
    }

    void verstummeKartentoene()
    {
        const std::lock_guard sperre(sperre_);
        mischer_.verstummeKartentoene();
    }

    // A new stream starts: with silence, and open for it to read.
    void neuerStrom()
    {
        if (!isOpen())
            open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        vorlauf_ = Vorlauf;
    }

    // Drops the sounds waiting or half played: nobody heard them, and a stream
    // opened later must not sound them all at once.
    void verwirf()
    {
        const std::lock_guard sperre(sperre_);
        mischer_.verstummeKartentoene();
        std::vector<std::int16_t> weg(Klangrate / 10);
        // Bounded: a mixer that never ends a voice must not hang the sound thread.
        for (int i = 0; i < 1000 && mischer_.stimmen() > 0; ++i)
            mischer_.mische(weg.data(), weg.size());
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
    static constexpr std::size_t Vorlauf = Klangrate * 50 / 1000;
    std::size_t vorlauf_ = Vorlauf;
};

namespace {

// What the server holds ahead of the ear: the delay from a click to its sound,
// and the time the sound thread may be late before the stream runs dry.
constexpr int PufferMs = 150;

QtMessageHandler vorigerHandler = nullptr;

// Qt Multimedia reports a missing sound server or device on standard error
// ("PulseAudioService: pa_context_connect() failed", "No audio device
// detected") and a server that went away ("Stream error: Connection
// terminated"); the game is silent then and says nothing.
void ohneTonmeldungen(QtMsgType art, const QMessageLogContext& kontext, const QString& text)
{
    const bool vomTon = (kontext.category && qstrncmp(kontext.category, "qt.multimedia", 13) == 0)
                        || text.startsWith(QLatin1String("PulseAudioService"))
                        || text.contains(QLatin1String("Stream error"))
                        || text.contains(QLatin1String("audio device"), Qt::CaseInsensitive);
    if (!vomTon && vorigerHandler)
        vorigerHandler(art, kontext, text);
}

Tonstromlage lageVon(QAudio::State zustand, QAudio::Error fehler)
{
    Tonstromlage lage;
    lage.Fehler = fehler != QAudio::NoError;
    switch (zustand) {
    case QAudio::ActiveState:
        lage.Zustand = Tonstromzustand::Aktiv;
        break;
    case QAudio::SuspendedState:
        lage.Zustand = Tonstromzustand::Angehalten;
        break;
    case QAudio::IdleState:
        lage.Zustand = Tonstromzustand::Leerlauf;
        break;
    case QAudio::StoppedState:
        lage.Zustand = Tonstromzustand::Gestoppt;
        break;
    }
    return lage;
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
    if (!thread_)
        starte();
    oeffneWennFaellig();
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
}

void Lautsprecher::oeffneWennFaellig()
{
    const double jetzt = uhr_.jetzt() * 86400.0;
    if (!tonstromNeuOeffnen(lage_.load(), letzterVersuch_, jetzt))
        return;
    letzterVersuch_ = jetzt;
    // Before the request: the sound thread's answer must not be overwritten.
    // Sounds asked for meanwhile wait in the mix for the new stream.
    lage_ = Tonstromlage{};
    QMetaObject::invokeMethod(arbeiter_, [this] { oeffne(); }, Qt::QueuedConnection);
}

void Lautsprecher::oeffne()
{
    delete ausgabe_;
    ausgabe_ = nullptr;
    const QAudioDevice geraet = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(Klangrate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (geraet.isNull() || !geraet.isFormatSupported(format)) {
        merke({Tonstromzustand::Keiner, true});
        return;
    }
    quelle_->neuerStrom();
    ausgabe_ = new QAudioSink(geraet, format, arbeiter_);
    ausgabe_->setBufferSize(Klangrate * 2 * PufferMs / 1000);
    QObject::connect(ausgabe_, &QAudioSink::stateChanged, arbeiter_,
                     [this](QAudio::State zustand) { merke(lageVon(zustand, ausgabe_->error())); });
    ausgabe_->start(quelle_);
    merke(lageVon(ausgabe_->state(), ausgabe_->error()));
}

void Lautsprecher::merke(Tonstromlage lage)
{
    lage_ = lage;
    if (tonstromGestoert(lage))
        quelle_->verwirf();
}

bool Lautsprecher::hoerbar()
{
    if (!thread_)
        starte();
    oeffneWennFaellig();
    return tonstromHoerbar(lage_.load());
}

void Lautsprecher::spiele(Klang klang)
{
    // Waits in the mix until the stream (started or starting) takes the next samples.
    if (hoerbar())
        quelle_->spiele(klang);
}

void Lautsprecher::spieleKartenton(const Kartenklang& klang)
{
    if (hoerbar())
        quelle_->spieleKartenton(klang);
}

void Lautsprecher::verstummeKartentoene()
{
    if (quelle_)
        quelle_->verstummeKartentoene();
}
