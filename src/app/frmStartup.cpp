#include "app/frmStartup.h"

#include "base/AppInfo.h"
#include "forms/EndProgram.h"
#include "forms/FormHandle.h"
#include "forms/FormRegistry.h"
#include "app/frmMain.h"
#include "platform/SystemServices.h"
#include "web/FullBrandFrame.h"
#include "web/UpdateReminder.h"

#include <QCloseEvent>

const char* const frmStartup::AlreadyRunningMessage = "Application is already running";

frmStartup::frmStartup()
{
    setObjectName(QStringLiteral("frmStartup"));
    setWindowTitle(QString::fromUtf8(AppInfo::WindowCaption));
    images.append(AppInfo::programIcon());
}

void frmStartup::Form_Load()
{
    RunStartup();
}

void frmStartup::RunStartup()
{
    SystemServices& system = System();
    if (system.anotherInstanceRunning()) {
        system.showMessage(nullptr, QMessageBox::Information,
                           QString::fromUtf8(AlreadyRunningMessage), QMessageBox::Ok,
                           QMessageBox::Ok);
        EndProgram();
        return;
    }
    system.seedRandomFromClock();
    ShowUpdateReminder();
    FormHandle<frmMain>::get().show();
    hide();
    CoBrand_Randomize();
}

void frmStartup::CoBrand_Randomize()
{
    const int n = int(System().randomDraw() * 6) + 1;
    FullBrandFrame* band = FormHandle<frmMain>::get().fullBrandFrame();
    if (n % 2 == 1)
        band->bringToFront(band->lblCobrand());
    else
        band->bringToFront(band->lblFullBrand());
}

void frmStartup::setVisible(bool visible)
{
    // The start-up window holds the program together but is never seen.
    if (!visible)
        QWidget::setVisible(false);
}

void frmStartup::Form_Unload()
{
    EndProgram();
}

void frmStartup::closeEvent(QCloseEvent* event)
{
    FormRegistry::remove(this);
    Form_Unload();
    event->accept();
}
