#include "base/AppInfo.h"
#include "forms/FormHandle.h"
#include "app/frmStartup.h"
#include "controls/AccessibilityFactory.h"
#include "controls/FocusStyle.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    FocusStyle::install();
    QApplication::setWindowIcon(AppInfo::programIcon());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(AppInfo::DesktopId));
    // The program ends only through EndProgram, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallAccessibilityFactory();

    FormHandle<frmStartup>::get();
    return QApplication::exec();
}
