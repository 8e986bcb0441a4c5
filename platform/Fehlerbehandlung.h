#pragma once

#include <exception>

class Meldungen;

// The top-level error handler: an error raised inside a handler ends that
// handler and is shown in an error box captioned "Paarlix". No exception ever
// leaves it: when the box cannot be shown (no boxes set, or showing one fails,
// e.g. for lack of memory) the message goes to standard error and the program
// ends at once with status 1.
namespace Fehlerbehandlung {

// The boxes that errors are shown in; set once at start (tests set a recorder).
void setzeMeldungen(Meldungen* meldungen);
Meldungen* meldungen();

// Sets the boxes for its own lifetime.
class Meldungsziel {
public:
    explicit Meldungsziel(Meldungen& meldungen) { setzeMeldungen(&meldungen); }
    ~Meldungsziel() { setzeMeldungen(nullptr); }
    Meldungsziel(const Meldungsziel&) = delete;
    Meldungsziel& operator=(const Meldungsziel&) = delete;
};

// Shows the error that ended a handler, as described above.
void melde(const std::exception_ptr& fehler) noexcept;

// Runs handler; returns false when it ended with an error (already shown).
// A template, so that no std::function has to be allocated first.
template <typename Handler>
bool ausfuehren(Handler&& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (...) {
        melde(std::current_exception());
    }
    return false;
}

// Runs the whole program and returns its exit status; whatever escapes it is
// reported as above and ends the program with status 1.
template <typename Programm>
int hauptprogramm(Programm&& programm) noexcept
{
    int status = 1;
    if (!ausfuehren([&] { status = programm(); }))
        return 1;
    return status;
}

} // namespace Fehlerbehandlung
