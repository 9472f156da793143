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

// The program icon, drawn for every size the desktop and the windows ask for, up
// to 256 pixels: the About and exit windows show it at 32 logical pixels, which
// a screen at 125, 150, 200 or 300 % draws with 40, 48, 64 or 96.
QIcon programIcon();
// The size at which the windows show the icon as a picture, in logical pixels.
inline constexpr QSize IconPictureSize(32, 32);
} // namespace AppInfo
