#pragma once

#include <functional>

class Meldungen;

// The top-level error handler: an error raised inside a handler ends that
// handler and is shown in an error box captioned "Paarlix". No exception ever
// reaches Qt's event loop.
namespace Fehlerbehandlung {

// The boxes that errors are shown in; set once at start (tests set a recorder).
void setMeldungen(Meldungen* meldungen);
Meldungen* meldungen();

// Runs handler; returns false when it ended with an error (already shown).
bool ausfuehren(const std::function<void()>& handler);

} // namespace Fehlerbehandlung
