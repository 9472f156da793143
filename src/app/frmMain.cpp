#include "app/frmMain.h"

#include "base/AppInfo.h"
#include "forms/FormHandle.h"
#include "forms/FormRegistry.h"
#include "app/frmStartup.h"
#include "app/WindowShell.h"
#include "calendar/CalendarPage.h"
#include "controls/Look.h"
#include "controls/MenuBuilder.h"
#include "controls/TabControl.h"
#include "controls/Twips.h"
#include "controls/WindowPlacement.h"
#include "platform/SystemServices.h"
#include "reference/ReferencePages.h"
#include "web/ForumBanner.h"
#include "web/FullBrandFrame.h"
#include "web/frmAbout.h"
#include "web/frmExitScreen.h"
#include "web/WebMenus.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>

namespace {

// Main tab, caption and page frame index.
struct MainPage
{
    const char* caption;
    int frameIndex;
};
constexpr MainPage MainPages[] = {
    {"Pagan Calendar", 0},  {"Pagan Information", 1}, {"Pagan Festive Seasons", 2},
    {"Pagan Elements", 11}, {"Pagan Gods", 17},       {"Pagan Goddesses", 30},
};

} // namespace

frmMain::frmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(AppInfo::WindowCaption));
    setWindowIcon(AppInfo::programIcon());
    // Fixed border: system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    buildMenus();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips::size(10110, 6060));
    client->setFont(Look::verdana());
    Look::paint(client, Look::DarkTeal, Look::White);
    setCentralWidget(client);

    banner = new ForumBanner(client, Twips::rect(360, 60, 9390, 195));
    // The banner sizes itself to its one line of text around the same middle.
    banner->setWordWrap(false);
    banner->sizeToTextCentredOn(Twips::toPixels(360 + 9390 / 2));

    buildPages(client);

    fullBrand = new FullBrandFrame(client, Twips::rect(23, 5400, 10065, 650),
                                   Twips::rect(120, 165, 9825, 400));

    // Kept from the old layout below the client area, never seen nor reached.
    lblYear = new QLabel(client);
    lblYear->setObjectName(QStringLiteral("lblYear"));
    lblYear->setGeometry(Twips::rect(7200, 7200, 1000, 195));
    lblYear->hide();

    setTabOrder(mainTabs, calendar);
    WindowPlacement::fixClientSize(this);
    // The window opens on its own content, the selected tab, not on the forum
    // banner that comes first in the order.
    mainTabs->setFocus();
}

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = MenuBuilder::addMenu(bar, "mnuFile", "&File");
    MenuBuilder::addCommand(file, "mnuExit", "E&xit", [this] { mnuExit_Click(); });

    WebMenus::add(bar, 1, [this] { mnuAbout_Click(); });
}

void frmMain::buildPages(QWidget* client)
{
    mainTabs = new TabControl(6, 6, Twips::toPixels(400), client);
    mainTabs->setObjectName(QStringLiteral("SSTMain"));
    mainTabs->setGeometry(Twips::rect(0, 375, 10245, 4935));
    QPalette tabColours = mainTabs->palette();
    tabColours.setColor(QPalette::Window, Look::DarkTeal);
    tabColours.setColor(QPalette::Mid, QColor(110, 160, 160));
    mainTabs->setPalette(tabColours);
    // Only the tabs are teal: the buttons on the pages stay plain push buttons.
    mainTabs->setTabColours(QColor(24, 96, 96), Look::White);
    // Six captions of different lengths: each tab as wide as its caption needs, so that
    // none has to break into two lines.
    mainTabs->setTabWidthsFollowCaptions(true);

    for (int frameIndex = 0; frameIndex <= 36; ++frameIndex)
        pageFrames.append(nullptr);
    for (int tab = 0; tab < 6; ++tab) {
        const MainPage& page = MainPages[tab];
        auto* frame = new QFrame(mainTabs);
        frame->setObjectName(QStringLiteral("fraContainer(%1)").arg(page.frameIndex));
        frame->setFrameStyle(QFrame::NoFrame);
        Look::paint(frame, Look::DarkTeal, Look::White);
        frame->setGeometry(Twips::rect(0, 360, 10200, 4600));
        pageFrames[page.frameIndex] = frame;
        mainTabs->setTabCaption(tab, QString::fromUtf8(page.caption));
        mainTabs->setPage(tab, frame);
    }

    calendar = new CalendarPage(fraContainer(0));
    connect(calendar, &CalendarPage::festivalsRequested, this,
            [this] { WindowShell::showFestivalResult(this); });
    ReferencePages::build(fraContainer(1), fraContainer(2), fraContainer(11), fraContainer(17),
                          fraContainer(30));
    // A screen reader names a tab control as the focus enters it: the main one for what it
    // holds, each page's entry tabs for their page.
    mainTabs->setAccessibleName(QStringLiteral("Pages"));
    for (int tab = 0; tab < mainTabs->tabCount(); ++tab) {
        if (auto* entries = mainTabs->page(tab)->findChild<TabControl*>())
            entries->setAccessibleName(QString(mainTabs->tabCaption(tab)).remove(QLatin1Char('&')));
    }

    connect(mainTabs, &TabControl::Click, this, &frmMain::SSTMain_Click);
}

QFrame* frmMain::fraContainer(int index) const
{
    return index >= 0 && index < pageFrames.size() ? pageFrames[index] : nullptr;
}

void frmMain::Form_Load()
{
    const QDate today = System().today();
    calendar->setMonthCaption(FullMonthName(today.month()));
    lblYear->setText(QString::number(today.year()));
    mainTabs->setSelectedIndex(0);
    WindowPlacement::centreOnScreen(this);
}

const char* frmMain::entryGroupResetBy(int mainTab)
{
    switch (mainTab) {
    case 1:
        return "SSTFestiveSeasons";
    case 2:
        return "SSTElements";
    case 3:
        return "SSTGods";
    case 4:
        return "SSTGoddesses";
    default:
        return nullptr;
    }
}

void frmMain::SSTMain_Click(int)
{
    const char* groupName = entryGroupResetBy(mainTabs->selectedIndex());
    if (!groupName)
        return;
    if (auto* group = mainTabs->findChild<TabControl*>(QString::fromLatin1(groupName)))
        group->setSelectedIndex(0);
}

void frmMain::mnuExit_Click()
{
    close();
}

void frmMain::mnuAbout_Click()
{
    frmAbout::showModal(this);
}

void frmMain::closeForResultWindow()
{
    handingOverToResultWindow = true;
    close();
}

void frmMain::Form_Unload()
{
    // On the way to the result window the exit window must never reach the
    // screen: shown here and hidden by the caller, a window manager may still
    // map it, black and topmost, over the result window.
    if (!handingOverToResultWindow)
        FormHandle<frmExitScreen>::get().show();
    // Loading a start-up window here, while the program ends, would start it all again.
    FormHandle<frmStartup>::hideIfLoaded();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    FormRegistry::remove(this);
    Form_Unload();
    event->accept();
}
