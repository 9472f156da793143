#include "controls/AccessibilityFactory.h"

#include "controls/AnnouncingLabel.h"
#include "controls/KeyboardScrollArea.h"
#include "controls/LinkLabel.h"
#include "controls/LinkLabelAccessible.h"
#include "controls/TabButton.h"
#include "controls/TabButtonAccessible.h"
#include "controls/TabControl.h"

#include <QFrame>

namespace {

constexpr char DialogRoleProperty[] = "readsAsDialog";

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("TabButton"))
        return new TabButtonAccessible(static_cast<TabButton*>(object));
    if (className == QLatin1String("LinkLabel"))
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    if (className == QLatin1String("AnnouncingLabel"))
        return new QAccessibleWidget(static_cast<AnnouncingLabel*>(object),
                                     QAccessible::Notification);
    // A text that scrolls reads as a pane, as a scrolled view does in Windows' own programs
    // (a panel to AT-SPI), not as the unnamed group of a plain scroll area.
    if (className == QLatin1String("KeyboardScrollArea"))
        return new QAccessibleWidget(static_cast<KeyboardScrollArea*>(object), QAccessible::Pane);
    if (className == QLatin1String("TabControl"))
        return new QAccessibleWidget(static_cast<TabControl*>(object), QAccessible::PageTabList);
    // A tab's page is a pane; as a plain frame it would read as a window of its own.
    if (className == QLatin1String("QFrame") && qobject_cast<TabControl*>(object->parent()))
        return new QAccessibleWidget(static_cast<QFrame*>(object), QAccessible::Pane);
    // A window that says it reads as a dialog: a screen reader announces it
    // with the labels it holds, where a plain window would be read bare.
    if (object->isWidgetType() && object->property(DialogRoleProperty).toBool())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    return nullptr;
}

} // namespace

void ReadAsDialog(QWidget* window)
{
    window->setProperty(DialogRoleProperty, true);
    // Qt 6.8 makes a widget's interface whenever it reports a change, even with no screen
    // reader listening and while the widget is still being built; Qt 6.4 waits for the first
    // question. An interface made before the window said how it reads is dropped, so that the
    // next question meets the factory above.
    QAccessibleInterface* early = QAccessible::queryAccessibleInterface(window);
    if (early && early->role() != QAccessible::Dialog)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
}

void InstallAccessibilityFactory()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(accessibleFor);
        installed = true;
    }
}
