#pragma once

#include <QObject>
#include <QTimer>

class QMenu;

// Makes a screen reader say a menu's name when it opens, then its current item.
// Opened from the keyboard, a menu makes its first item current at once, and a
// screen reader that hears only that item never learns which menu is open.
class MenuAnnouncer : public QObject
{
public:
    // Announces the menu from now on; the announcer belongs to the menu.
    explicit MenuAnnouncer(QMenu* menu);

private:
    void announceMenu();
    void announceCurrentItem();

    QMenu* menu;
    // Lets the menu's name be spoken before the item's focus interrupts it.
    QTimer itemPause;
};
