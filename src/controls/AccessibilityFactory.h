#pragma once

class QWidget;

// Teaches Qt's accessibility layer about the program's own controls: tabs of a
// TabControl as page tabs, the control as a page-tab list,
// its pages as panes, link labels as links, announcing labels as notifications,
// a scrolling text as a pane, and windows that ask for it as dialogs.
void InstallAccessibilityFactory();

// Makes window read as a dialog, with its texts, rather than as a bare window.
// Call before the window is first shown.
void ReadAsDialog(QWidget* window);
