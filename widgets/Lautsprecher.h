#pragma once

#include "widgets/Klangausgabe.h"

#include <QTemporaryDir>
#include <array>
#include <atomic>
#include <memory>

class QObject;
class QSoundEffect;
class QThread;

// The sounds through Qt Multimedia (QSoundEffect), on a thread of their own:
// the card animations run on the window's thread without returning to its
// event loop, and a sound must neither wait for them nor hold them up.
// Nothing happens until the first sound: then the sounds are synthesised and
// the sound server is asked for a device. Without one the sounds stay silent
// for good, and nothing is said about it.
// Create and destroy on the window's thread; an application object must exist.
class Lautsprecher final : public Klangausgabe {
public:
    Lautsprecher();
    ~Lautsprecher() override;
    Lautsprecher(const Lautsprecher&) = delete;
    Lautsprecher& operator=(const Lautsprecher&) = delete;

    void spiele(Klang klang) override;

private:
    void starte();

    std::unique_ptr<QThread> thread_;
    QObject* arbeiter_ = nullptr; // lives on thread_, parent of the effects
    std::array<QSoundEffect*, AnzahlKlaenge> effekte_{}; // used on thread_ only
    std::unique_ptr<QTemporaryDir> dateien_;
    std::atomic<bool> stumm_{false};
};
