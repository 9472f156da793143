#include "base/AppInfo.h"

namespace AppInfo {

QIcon programIcon()
{
    // Decoded once for every window, each size only when it is first asked for.
    static const QIcon* const icon = [] {
        auto* sizes = new QIcon;
        for (int size : {16, 20, 24, 32, 40, 48, 64, 96, 128, 256})
            sizes->addFile(QStringLiteral(":/icons/velloran-%1.png").arg(size), QSize(size, size));
        return sizes;
    }();
    return *icon;
}

} // namespace AppInfo
