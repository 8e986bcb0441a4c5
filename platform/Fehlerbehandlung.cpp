#include "platform/Fehlerbehandlung.h"

#include "platform/Fehlertext.h"
#include "platform/Meldungen.h"
#include "platform/PaarlixFehler.h"

#include <QString>
#include <new>

namespace Fehlerbehandlung {
namespace {
Meldungen* aktuelleMeldungen = nullptr;

void zeige(const QString& text)
{
    if (aktuelleMeldungen)
        aktuelleMeldungen->programmfehler(fehlertextMitPunkt(text));
}
} // namespace

void setMeldungen(Meldungen* meldungen) { aktuelleMeldungen = meldungen; }
Meldungen* meldungen() { return aktuelleMeldungen; }

bool ausfuehren(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const EPaarlixFehler& e) {
        zeige(e.text());
    } catch (const std::bad_alloc&) {
        zeige(QStringLiteral("Nicht genügend Arbeitsspeicher"));
    } catch (const std::exception& e) {
        zeige(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        zeige(QStringLiteral("Unbekannter Fehler"));
    }
    return false;
}

} // namespace Fehlerbehandlung
