#include "platform/Fensterlage.h"

#include <gtest/gtest.h>

// A maximised window is only moved where a frame reaches past the available area: then the client
// takes the available area less the frame, and the title bar stays on the screen.
TEST(Fensterlage, onlyAFrameReachingPastTheAreaIsMovedIntoIt)
{
    const QRect bildschirm(0, 0, 1280, 1024);
    const QRect unterLeiste(0, 30, 1280, 994);
    const QMargins twm(2, 21, 2, 2);
    const struct {
        const char* name;
        QRect verfuegbar;
        QMargins rahmen;
        QRect aussen;
        std::optional<QRect> client;
    } faelle[] = {
        {"bare X server: no frame, the fallback fills the area", bildschirm, {}, bildschirm, std::nullopt},
        {"window manager that maximised", bildschirm, twm, bildschirm, std::nullopt},
        {"twm framed the full-size client", bildschirm, twm, QRect(-2, -21, 1284, 1047), QRect(2, 21, 1276, 1001)},
        {"twm below a panel", unterLeiste, twm, QRect(-2, 9, 1284, 1047), QRect(2, 51, 1276, 971)},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(maximierteClientflaeche(f.verfuegbar, f.rahmen, f.aussen), f.client) << f.name;
}
