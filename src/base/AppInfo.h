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
// to 256 pixels on a scaled screen.
QIcon programIcon();
// The icon as the About and exit windows show it, a picture 32 logical pixels
// square, with its drawings for other scales beside it.
inline constexpr char IconPicture[] = ":/icons/velloran.png";
inline constexpr QSize IconPictureSize(32, 32);
} // namespace AppInfo
