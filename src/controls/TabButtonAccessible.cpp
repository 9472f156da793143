#include "controls/TabButtonAccessible.h"

#include "controls/TabButton.h"

TabButtonAccessible::TabButtonAccessible(TabButton* tab)
    : QAccessibleWidget(tab, QAccessible::PageTab)
{
}

TabButton* TabButtonAccessible::tab() const
{
    return static_cast<TabButton*>(widget());
}

QString TabButtonAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name)
        return QString(tab()->text()).remove(QLatin1Char('&'));
    return QAccessibleWidget::text(kind);
}

QAccessible::State TabButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.selectable = true;
    state.selected = tab()->isSelected();
    state.focusable = true;
    return state;
}

QStringList TabButtonAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void TabButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        tab()->click();
    else
        QAccessibleWidget::doAction(actionName);
}
