#include "base/AppInfo.h"

#include <QImage>
#include <QPixmap>

namespace AppInfo {

QIcon programIcon()
{
    // Decoded once for every window: the sizes that title bars and task switchers
    // take at 100 to 200 %, and 256 for the largest, from which the window system
    // scales any other.
    static const QIcon* const icon = [] {
        auto* sizes = new QIcon;
        for (int size : {16, 20, 24, 32, 40, 48, 64, 256})
            // Kept as decoded, unpremultiplied, as X11 takes it: Qt's X11 platform
            // would otherwise make a converted copy of each size for every window.
            sizes->addPixmap(
                QPixmap::fromImage(QImage(QStringLiteral(":/icons/velloran-%1.png").arg(size)),
                                   Qt::NoFormatConversion));
        return sizes;
    }();
    return *icon;
}

} // namespace AppInfo
