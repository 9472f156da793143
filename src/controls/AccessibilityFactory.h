#pragma once

// Teaches Qt's accessibility layer about the program's own controls: tabs of a
// TabControl as page tabs, the control as a page-tab list, link labels as links.
void InstallAccessibilityFactory();
