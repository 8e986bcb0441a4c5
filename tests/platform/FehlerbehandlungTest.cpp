#include "platform/Fehlerbehandlung.h"
#include "platform/PaarlixFehler.h"
#include "support/MeldungsRecorder.h"

#include <gtest/gtest.h>
#include <new>

namespace {

// Boxes that cannot be shown, as when building one runs out of memory.
class UnzeigbareMeldungen final : public Meldungen {
public:
    void fehler(const QString&) override { throw std::bad_alloc(); }
    void warnung(const QString&) override { throw std::bad_alloc(); }
    void hinweis(const QString&) override { throw std::bad_alloc(); }
    void programmfehler(const QString&) override { throw std::bad_alloc(); }
};

void wirf(const QString& text) { throw EPaarlixFehler(text); }

} // namespace

// The whole program's status passes through; whatever escapes it is shown and gives status 1.
TEST(Fehlerbehandlung, whateverEscapesTheProgramIsShownAndGivesStatusOne)
{
    MeldungsRecorder recorder;
    const Fehlerbehandlung::Meldungsziel ziel(recorder);
    EXPECT_EQ(Fehlerbehandlung::hauptprogramm([] { return 3; }), 3);
    EXPECT_EQ(Fehlerbehandlung::hauptprogramm([]() -> int { throw std::bad_alloc(); }), 1);
    ASSERT_EQ(recorder.eintraege.size(), 1u);
    EXPECT_EQ(recorder.eintraege[0].text, QStringLiteral("Nicht genügend Arbeitsspeicher."));
}

// When the box cannot be shown, no exception escapes: the message goes to standard error and the
// program ends with status 1.
TEST(FehlerbehandlungDeathTest, withoutAMessageBoxTheErrorGoesToStandardError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            UnzeigbareMeldungen meldungen;
            const Fehlerbehandlung::Meldungsziel ziel(meldungen);
            Fehlerbehandlung::ausfuehren([] { wirf(QStringLiteral("Datei 07b.jpg kann nicht geöffnet werden")); });
        },
        ::testing::ExitedWithCode(1), "Paarlix: Datei 07b.jpg kann nicht geöffnet werden\\.");
    EXPECT_EXIT(Fehlerbehandlung::hauptprogramm([]() -> int { throw std::bad_alloc(); }),
                ::testing::ExitedWithCode(1), "Paarlix: Nicht genügend Arbeitsspeicher\\.");
}
