#include "web/frmAbout.h"

#include "app/AppInfo.h"

frmAbout::frmAbout()
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(AppInfo::WindowCaption));
}

void frmAbout::showModal(QWidget* owner)
{
    frmAbout about;
    about.setParent(owner, about.windowFlags() | Qt::Dialog);
    about.exec();
}
