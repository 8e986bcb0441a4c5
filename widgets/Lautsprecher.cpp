#include "widgets/Lautsprecher.h"

#include "play/Klangsynthese.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include <mutex>

namespace {

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
    // The effects end on their own thread, before the files they play go.
    QMetaObject::invokeMethod(
        arbeiter_, [this] { qDeleteAll(arbeiter_->children()); }, Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    delete arbeiter_;
}

void Lautsprecher::starte()
{
    schweigeUeberTon();
    dateien_ = std::make_unique<QTemporaryDir>();
    std::array<QString, AnzahlKlaenge> pfade;
    for (int k = 0; k < AnzahlKlaenge; ++k) {
        pfade[k] = dateien_->filePath(QStringLiteral("klang%1.wav").arg(k));
        QFile datei(pfade[k]);
        if (!dateien_->isValid() || !datei.open(QIODevice::WriteOnly)
            || datei.write(wavDatei(klangProben(Klang(k)), Klangrate)) < 0) {
            stumm_ = true;
            return;
        }
    }
    thread_ = std::make_unique<QThread>();
    thread_->setObjectName(QStringLiteral("Lautsprecher"));
    arbeiter_ = new QObject;
    arbeiter_->moveToThread(thread_.get());
    thread_->start();
    QMetaObject::invokeMethod(
        arbeiter_,
        [this, pfade] {
            if (QMediaDevices::audioOutputs().isEmpty()) {
                stumm_ = true;
                return;
            }
            for (int k = 0; k < AnzahlKlaenge; ++k) {
                auto* effekt = new QSoundEffect(arbeiter_);
                effekt->setSource(QUrl::fromLocalFile(pfade[k]));
                effekte_[k] = effekt;
            }
        },
        Qt::QueuedConnection);
}

void Lautsprecher::spiele(Klang klang)
{
    if (stumm_)
        return;
    if (!thread_)
        starte();
    if (stumm_ || !thread_)
        return;
    // Queued behind the start on the sound thread, so the effects exist by then (or never will).
    QMetaObject::invokeMethod(
        arbeiter_,
        [this, klang] {
            if (QSoundEffect* effekt = effekte_[int(klang)])
                effekt->play();
        },
        Qt::QueuedConnection);
}
