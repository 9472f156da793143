#include "base/AppInfo.h"

#include <QPixmap>

namespace AppInfo {

QIcon programIcon()
{
    // Decoded once for every window. Window icons need only the small sizes; the
    // desktop takes the large ones from the installed icon theme.
    static const QIcon* const icon = [] {
        auto* sizes = new QIcon;
        for (int size : {16, 32, 48, 64})
            sizes->addFile(QStringLiteral(":/icons/velloran-%1.png").arg(size), QSize(size, size));
        return sizes;
    }();
    return *icon;
}

QPixmap programIconPicture()
{
    return QPixmap(QStringLiteral(":/icons/velloran-32.png"));
}

} // namespace AppInfo
