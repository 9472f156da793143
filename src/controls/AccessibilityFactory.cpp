#include "controls/AccessibilityFactory.h"

#include "calendar/MonthViewAccessible.h"
#include "controls/AnnouncingLabel.h"
#include "controls/LinkLabel.h"
#include "controls/LinkLabelAccessible.h"
#include "controls/TabButton.h"
#include "controls/TabButtonAccessible.h"
#include "controls/TabControl.h"

#include <QFrame>
#include <QTableView>

namespace {

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("TabButton"))
        return new TabButtonAccessible(static_cast<TabButton*>(object));
    if (className == QLatin1String("LinkLabel"))
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    // The days of a month view (Qt's own class inside QCalendarWidget).
    if (className == QLatin1String("QCalendarView"))
        return new MonthViewAccessible(static_cast<QTableView*>(object));
    if (className == QLatin1String("AnnouncingLabel"))
        return new QAccessibleWidget(static_cast<AnnouncingLabel*>(object),
                                     QAccessible::Notification);
    if (className == QLatin1String("TabControl"))
        return new QAccessibleWidget(static_cast<TabControl*>(object), QAccessible::PageTabList);
    // A tab's page is a pane; as a plain frame it would read as a window of its own.
    if (className == QLatin1String("QFrame") && qobject_cast<TabControl*>(object->parent()))
        return new QAccessibleWidget(static_cast<QFrame*>(object), QAccessible::Pane);
    // Windows that are no main window still read as windows, with their texts:
    // a screen reader announces a dialog with the labels it holds.
    if (className == QLatin1String("frmExitScreen")
        || className == QLatin1String("frmResultCalendar"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    return nullptr;
}

} // namespace

void InstallAccessibilityFactory()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(accessibleFor);
        installed = true;
    }
}
