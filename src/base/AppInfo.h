#pragma once

#include <QIcon>

// Names the user sees in every window, written once.
namespace AppInfo {
// Message box captions.
inline constexpr char Title[] = "Velloran";
// Window captions and the About title.
inline constexpr char WindowCaption[] = "Velloran v1.95";
// One application id names the desktop entry, the icon and the metainfo.
inline constexpr char DesktopId[] = "org.tarrowmoor.Velloran";

// The program icon, drawn at every size the desktop asks for.
QIcon programIcon();
// The 32 x 32 picture of the icon, as the windows show it.
QPixmap programIconPicture();
} // namespace AppInfo
