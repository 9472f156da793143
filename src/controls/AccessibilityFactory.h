#pragma once

// Teaches Qt's accessibility layer about the program's own controls: tabs of a
// TabControl as page tabs, the control as a page-tab list,
// its pages as panes, link labels as links, announcing labels as notifications,
// the exit and result windows as dialogs.
void InstallAccessibilityFactory();
