#include "widgets/Tonstrom.h"

#include <gtest/gtest.h>

// A stream is opened at once the first time, then only after a failure and no sooner
// than the interval after the last attempt; one without an error, or running, is kept,
// and only while it has failed are sounds dropped.
TEST(Tonstrom, aFailedStreamIsReopenedNoMoreOftenThanTheInterval)
{
    using Z = Tonstromzustand;
    const struct {
        const char* name;
        Tonstromlage lage;
        std::optional<double> letzterVersuch;
        double jetzt;
        bool oeffnen;
        bool hoerbar;
    } faelle[] = {
        {"never asked", {Z::Keiner, false}, std::nullopt, 0.0, true, true},
        {"being opened", {Z::Keiner, false}, 10.0, 30.0, false, true},
        {"playing", {Z::Aktiv, false}, 10.0, 30.0, false, true},
        {"stopped without error", {Z::Gestoppt, false}, 10.0, 30.0, false, true},
        {"running with an underrun", {Z::Aktiv, true}, 10.0, 30.0, false, true},
        {"suspended with an error", {Z::Angehalten, true}, 10.0, 30.0, false, true},
        {"no device, before the interval", {Z::Keiner, true}, 10.0, 11.99, false, false},
        {"no device, at the interval", {Z::Keiner, true}, 10.0, 12.0, true, false},
        {"server gone, before the interval", {Z::Gestoppt, true}, 10.0, 11.5, false, false},
        {"server gone, at the interval", {Z::Gestoppt, true}, 10.0, 12.0, true, false},
        {"idle with an error, after the interval", {Z::Leerlauf, true}, 10.0, 12.5, true, false},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(tonstromNeuOeffnen(f.lage, f.letzterVersuch, f.jetzt), f.oeffnen) << f.name;
        EXPECT_EQ(tonstromHoerbar(f.lage), f.hoerbar) << f.name;
    }
}
