#include "app/AppInfo.h"

#include <QPixmap>

namespace AppInfo {

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/velloran-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap programIconPicture()
{
    return QPixmap(QStringLiteral(":/icons/velloran-32.png"));
}

} // namespace AppInfo
