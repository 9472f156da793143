#include "controls/MenuAnnouncer.h"

#include <QAccessible>
#include <QMenu>

namespace {

// Long enough for a screen reader to speak a menu's name ("File popup menu").
constexpr int ItemPauseMs = 800;

} // namespace

MenuAnnouncer::MenuAnnouncer(QMenu* menu) : QObject(menu), menu(menu)
{
    itemPause.setSingleShot(true);
    itemPause.setInterval(ItemPauseMs);
    connect(&itemPause, &QTimer::timeout, this, &MenuAnnouncer::announceCurrentItem);
    // The menu bar makes the first item current only once the menu is up, so
    // the menu is announced one turn of the event loop later, after that item.
    connect(menu, &QMenu::aboutToShow, this, [this] {
        QMetaObject::invokeMethod(this, &MenuAnnouncer::announceMenu, Qt::QueuedConnection);
    });
    // An item the user moves to is announced by the menu itself.
    connect(menu, &QMenu::hovered, &itemPause, &QTimer::stop);
    connect(menu, &QMenu::aboutToHide, &itemPause, &QTimer::stop);
}

void MenuAnnouncer::announceMenu()
{
    if (!menu->isVisible())
        return;
    QAccessibleEvent opened(menu, QAccessible::Focus);
    QAccessible::updateAccessibility(&opened);
    if (menu->activeAction())
        itemPause.start();
}

void MenuAnnouncer::announceCurrentItem()
{
    QAction* current = menu->activeAction();
    if (!current || !menu->isVisible())
        return;
    QAccessibleEvent item(menu, QAccessible::Focus);
    item.setChild(static_cast<int>(menu->actions().indexOf(current)));
    QAccessible::updateAccessibility(&item);
}
