#include "WindowQueries.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

QWidgetList VisibleWindows()
{
    QWidgetList list;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            list.append(window);
    return list;
}

bool StaysFixedWhenMaximized(QWidget* window)
{
    const QSize size = window->size();
    window->windowHandle()->setWindowStates(Qt::WindowMaximized);
    const auto fixedAgain = [&] {
        return window->windowHandle()->windowStates() == Qt::WindowNoState
               && window->size() == size && window->minimumSize() == window->maximumSize();
    };
    return QTest::qWaitFor(fixedAgain, 1000)
           && !(window->windowFlags() & Qt::WindowMaximizeButtonHint);
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
