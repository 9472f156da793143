#pragma once

// Where Qt can reach no desktop (no display, no Wayland compositor, a platform
// named in QT_QPA_PLATFORM that does not exist or will not start), it aborts
// with a core dump and advice to reinstall the program. Nothing needs
// reinstalling: the user reads one line that says what is missing, and the
// program ends with status 1. Windows always has its desktop: nothing of this
// arises there.
namespace DesktopStart {

// Before the application object is made: from here Qt's messages are held back,
// since where the start fails they only say in Qt's words what the line says.
void watch();

// Once the application object is made: the messages held back, if any, are
// passed on as they came, and Qt's messages go their usual way again.
void done();

} // namespace DesktopStart
