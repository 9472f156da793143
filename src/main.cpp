#include "base/AppInfo.h"
#include "forms/FormHandle.h"
#include "app/frmStartup.h"
#include "controls/AccessibilityFactory.h"
#include "controls/FocusStyle.h"
#include "platform/DesktopStart.h"

#include <QApplication>
#include <QLoggingCategory>

namespace {

// Where an X display is offered, a Wayland session's too (GNOME and Plasma run
// Xwayland), the windows run on X: there the window manager centres them, keeps
// the exit window on top without handing it the focus, and draws each title bar
// with only the buttons its window asks for. With no X server they run natively
// on Wayland. A platform the user set always wins. Returns whether X was chosen.
bool preferX11WhereOffered()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
#else
    return false; // one platform only: Windows' own
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    const bool chosenX11 = preferX11WhereOffered();
    // Qt 6.8's Wayland platform warns at each change of focus under mutter that the
    // compositor left a text field it had not entered (typing is not affected); Qt 6.11's
    // AT-SPI bridge warns each time a screen reader's library (at-spi2 2.58) asks for the
    // application's own bus, which Qt does not offer (the reader goes on through the
    // shared bus). Nothing for a user to act on. QT_LOGGING_RULES can still turn them on.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.wayland.textinput.warning=false\n"
                                                    "qt.accessibility.atspi.warning=false"));
    DesktopStart::watch();
    QApplication application(argc, argv);
    DesktopStart::done();
    // The browser and anything else the program starts choose their own.
    if (chosenX11)
        qunsetenv("QT_QPA_PLATFORM");
    FocusStyle::install();
    QApplication::setWindowIcon(AppInfo::programIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(AppInfo::DesktopId));
    // The program ends only through EndProgram, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallAccessibilityFactory();

    FormHandle<frmStartup>::get();
    return QApplication::exec();
}
