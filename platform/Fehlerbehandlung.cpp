#include "platform/Fehlerbehandlung.h"

#include "platform/Fehlertext.h"
#include "platform/Meldungen.h"
#include "platform/PaarlixFehler.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

namespace Fehlerbehandlung {
namespace {
Meldungen* aktuelleMeldungen = nullptr;

QString textVon(const std::exception_ptr& fehler)
{
    try {
        std::rethrow_exception(fehler);
    } catch (const EPaarlixFehler& e) {
        return e.text();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Nicht genügend Arbeitsspeicher");
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Unbekannter Fehler");
    }
}

// The last resort. A message that cannot even be converted means memory has
// run out; the fixed text needs no allocation.
[[noreturn]] void beendeMitText(const QString& text) noexcept
{
    bool geschrieben = false;
    try {
        if (!text.isEmpty()) {
            const QByteArray utf8 = fehlertextMitPunkt(text).toUtf8();
            geschrieben = std::fprintf(stderr, "Paarlix: %s\n", utf8.constData()) > 0;
        }
    } catch (...) {
    }
    if (!geschrieben)
        std::fputs("Paarlix: Nicht genügend Arbeitsspeicher.\n", stderr);
    std::fflush(stderr);
    // No clean-up: destructors could need the memory or the state that just failed.
    std::_Exit(1);
}

} // namespace

void setzeMeldungen(Meldungen* meldungen) { aktuelleMeldungen = meldungen; }
Meldungen* meldungen() { return aktuelleMeldungen; }

void melde(const std::exception_ptr& fehler) noexcept
{
    QString text;
    try {
        text = textVon(fehler);
        if (aktuelleMeldungen) {
            aktuelleMeldungen->programmfehler(fehlertextMitPunkt(text));
            return;
        }
    } catch (...) {
    }
    beendeMitText(text);
}

} // namespace Fehlerbehandlung
