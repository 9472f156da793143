#include "WindowQueries.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

QWidgetList VisibleWindows()
{
    QWidgetList list;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            list.append(window);
    return list;
}

QStringList MenuCaptions(const QList<QAction*>& actions)
{
    QStringList list;
    for (QAction* action : actions)
        list.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return list;
}

QString ExpectedPageAddress(const QString& pageKey)
{
    return QStringLiteral("http://www.tarrowmoor.com/velloran/ssd.php?page=") + pageKey;
}
