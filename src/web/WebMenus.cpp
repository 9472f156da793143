#include "web/WebMenus.h"

#include "controls/MenuBuilder.h"
#include "web/modHelp.h"

#include <QMenu>
#include <QMenuBar>

namespace WebMenus {

void add(QMenuBar* bar, int firstSeparatorNumber, std::function<void()> showAbout)
{
    using MenuBuilder::addCommand;
    using MenuBuilder::addSeparator;
    const QByteArray firstSeparator = "mnuSep" + QByteArray::number(firstSeparatorNumber);
    const QByteArray secondSeparator = "mnuSep" + QByteArray::number(firstSeparatorNumber + 1);

    QMenu* help = MenuBuilder::addMenu(bar, "mnuHelp", "&Help");
    addCommand(help, "mnuOnline", "&Online Help", &modHelp::OpenOnlineHelp);
    addCommand(help, "mnuVisit", "&Visit Us Online", &modHelp::OpenHomePage);
    addSeparator(help, firstSeparator.constData());
    addCommand(help, "mnuUpdate", "Check for Software &Update", &modHelp::OpenDownloadPage);
    addSeparator(help, secondSeparator.constData());
    addCommand(help, "mnuAbout", "&About Software", std::move(showAbout));

    addCommand(bar, "mnuDonate", "&Donate", &modHelp::OpenDonatePage);
    // Switched off in both layouts, and nothing switches it on.
    addCommand(bar, "mnuMakeMoney", "Make Money &Online", &modHelp::OpenFullBrandPage)
        ->setEnabled(false);
}

} // namespace WebMenus
