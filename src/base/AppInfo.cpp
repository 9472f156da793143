#include "base/AppInfo.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

namespace AppInfo {

QIcon programIcon()
{
    // Decoded once for every window: the sizes that title bars and task switchers
    // take at 100 %, and on a scaled screen those they take at 175 % (28 and 56),
    // and 128 and 256, from which the window system scales any other. Qt's X11 platform
    // hands every size to the X server as each window is made, so the large ones cost
    // memory only where they are seen.
    static const QIcon* const icon = [] {
        auto* sizes = new QIcon;
        QList<int> drawn{16, 20, 24, 32, 40, 48, 64};
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen && screen->devicePixelRatio() > 1.0)
            drawn << 28 << 56 << 128 << 256;
        for (int size : drawn)
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
