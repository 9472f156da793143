#pragma once

class frmMain;

// Carries out the hand-over between the program's two big windows when a page
// or window asks for it: no window steers another through its header.
namespace WindowShell {

// The festivals chosen on the calendar page: the result window is shown and
// takes the place of mainWindow, which closes without bringing up the exit
// window; only the result window stays on screen.
void showFestivalResult(frmMain* mainWindow);

// The result window is closing: a main window comes back on its calendar tab,
// alone on screen.
void returnToMainWindow();

} // namespace WindowShell
