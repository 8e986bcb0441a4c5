#pragma once

#include <QMargins>
#include <QRect>
#include <optional>

// Where a window that asked to be maximised must lie when its window manager
// drew a frame round it but did not maximise it (twm and the like): the
// available area less the frame, so that the title bar stays on the screen.
// Nothing to do when the outer geometry already lies inside the available
// area: a window manager maximised it, or there is none (no frame at all).
// verfuegbar: the screen's available area; rahmen: the frame margins;
// aussen: the window's outer geometry, frame included. The result is the
// client geometry.
std::optional<QRect> maximierteClientflaeche(const QRect& verfuegbar, const QMargins& rahmen, const QRect& aussen);
