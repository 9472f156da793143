#pragma once

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Menu items as the windows declare them: a named action that runs one command,
// and named separators, so that tests and screen readers find every item by name.
namespace MenuBuilder {

// Adds a menu to a menu bar, named for screen readers by its caption: a menu
// that opens then announces itself, not just its first item.
QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption);
// Adds an item to a menu or a menu bar; triggering it runs the command.
QAction* addCommand(QWidget* menu, const char* name, const char* caption,
                    std::function<void()> command);
void addSeparator(QMenu* menu, const char* name);

} // namespace MenuBuilder
