#pragma once

class QPushButton;
class QString;
class QWidget;

// The edge of a photo's thumbnail in the windows' lists, in pixels.
inline constexpr int Bildkante = 64;

// A button of the start and new-game windows: Enter presses it when it has the focus, as in a
// dialog, and a screen reader reads its text and what it does (also its tool tip).
QPushButton* knopf(const QString& text, const QString& beschreibung, QWidget* eltern);
