#pragma once

class QWidget;

namespace WindowPlacement {

// Gives a top-level window a fixed client size that the user cannot change.
void fixClientSize(QWidget* window);
// Places a top-level window in the middle of the screen it will appear on.
void centreOnScreen(QWidget* window);

} // namespace WindowPlacement
