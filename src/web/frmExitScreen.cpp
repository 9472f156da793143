#include "web/frmExitScreen.h"

#include "app/AppInfo.h"
#include "app/EndProgram.h"
#include "app/FormRegistry.h"

#include <QCloseEvent>

frmExitScreen::frmExitScreen()
{
    setObjectName(QStringLiteral("frmExitScreen"));
}

void frmExitScreen::Form_Load()
{
    setWindowTitle(QString::fromUtf8(AppInfo::WindowCaption));
}

void frmExitScreen::closeEvent(QCloseEvent* event)
{
    FormRegistry::remove(this);
    EndProgram();
    event->accept();
}
