#include "controls/MenuBuilder.h"

#include "controls/MenuAnnouncer.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace MenuBuilder {

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption)
{
    // Named as Windows names a window's menu bar, which a screen reader says when Alt enters it.
    bar->setAccessibleName(QStringLiteral("Application"));
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->setAccessibleName(QString::fromUtf8(caption).remove(QLatin1Char('&')));
    new MenuAnnouncer(menu);
    return menu;
}

QAction* addCommand(QWidget* menu, const char* name, const char* caption,
                    std::function<void()> command)
{
    auto* action = new QAction(QString::fromUtf8(caption), menu);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, action,
                     [command = std::move(command)] { command(); });
    menu->addAction(action);
    return action;
}

void addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace MenuBuilder
