#pragma once

#include <QList>

class QAction;

// What the main and result windows share after their File menu, checked once.

// Compares the Help menu, "&Donate" and the switched-off "Make Money &Online"
// of a window's menu bar (its actions, File first) and that no item has a shortcut.
void VerifyWebMenus(const QList<QAction*>& menuBarActions);

// Adds the columns "control" and "pageKey" and a row for each web-page command
// that both windows offer through a menu item or a link label.
void AddWebCommandRows();
