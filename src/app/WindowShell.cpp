#include "app/WindowShell.h"

#include "app/frmMain.h"
#include "app/frmStartup.h"
#include "calendar/frmResultCalendar.h"
#include "controls/TabControl.h"
#include "forms/FormHandle.h"
#include "web/frmExitScreen.h"

namespace WindowShell {

void showFestivalResult(frmMain* mainWindow)
{
    const bool freshResultWindow = !FormHandle<frmResultCalendar>::loaded();
    frmResultCalendar& result = FormHandle<frmResultCalendar>::get();
    if (freshResultWindow)
        QObject::connect(&result, &frmResultCalendar::backRequested, &returnToMainWindow);
    result.show();
    // Closing the main window deletes it, and the page that asked, later.
    mainWindow->closeForResultWindow();
    FormHandle<frmStartup>::hideIfLoaded();
    FormHandle<frmExitScreen>::hideIfLoaded();
}

void returnToMainWindow()
{
    frmMain& mainWindow = FormHandle<frmMain>::get();
    mainWindow.show();
    mainWindow.SSTMain()->setSelectedIndex(0);
    FormHandle<frmStartup>::hideIfLoaded();
    FormHandle<frmExitScreen>::hideIfLoaded();
}

} // namespace WindowShell
