#pragma once

#include <functional>

class QMenuBar;

// The menus that the main and result windows share after their File menu:
// "&Help" with the web-page commands and About, "&Donate", and "Make Money
// &Online", which is switched off and stays so.
namespace WebMenus {

// The Help menu's two separators are named mnuSep<n> and mnuSep<n + 1>.
void add(QMenuBar* bar, int firstSeparatorNumber, std::function<void()> showAbout);

} // namespace WebMenus
