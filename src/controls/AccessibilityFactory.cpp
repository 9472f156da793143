#include "controls/AccessibilityFactory.h"

#include "controls/LinkLabel.h"
#include "controls/LinkLabelAccessible.h"
#include "controls/TabButton.h"
#include "controls/TabButtonAccessible.h"
#include "controls/TabControl.h"

namespace {

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("TabButton"))
        return new TabButtonAccessible(static_cast<TabButton*>(object));
    if (className == QLatin1String("LinkLabel"))
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    if (className == QLatin1String("TabControl"))
        return new QAccessibleWidget(static_cast<TabControl*>(object), QAccessible::PageTabList);
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
