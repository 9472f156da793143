#include "calendar/MonthDayAccessible.h"

#include "calendar/MonthViewAccessible.h"

#include <QTableView>

MonthDayAccessible::MonthDayAccessible(QTableView* days, int row, int column)
    : days(days), row(row), column(column)
{
}

void* MonthDayAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool MonthDayAccessible::isValid() const
{
    return days && days->model() && row < days->model()->rowCount()
           && column < days->model()->columnCount();
}

QWindow* MonthDayAccessible::window() const
{
    return days ? days->window()->windowHandle() : nullptr;
}

QAccessibleInterface* MonthDayAccessible::parent() const
{
    return days ? QAccessible::queryAccessibleInterface(days) : nullptr;
}

MonthViewAccessible* MonthDayAccessible::monthView() const
{
    return dynamic_cast<MonthViewAccessible*>(parent());
}

QString MonthDayAccessible::text(QAccessible::Text kind) const
{
    const MonthViewAccessible* view = monthView();
    return kind == QAccessible::Name && view ? view->cellName(row, column) : QString();
}

QRect MonthDayAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const QRect inside = days->visualRect(days->model()->index(row, column));
    return QRect(days->viewport()->mapToGlobal(inside.topLeft()), inside.size());
}

QAccessible::Role MonthDayAccessible::role() const
{
    const MonthViewAccessible* view = monthView();
    return view && row == 0 && !view->dateAt(row, column).isValid() ? QAccessible::ColumnHeader
                                                                     : QAccessible::Cell;
}

bool MonthDayAccessible::isSelected() const
{
    return isValid() && days->selectionModel()
           && days->selectionModel()->isSelected(days->model()->index(row, column));
}

QAccessible::State MonthDayAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.focusable = true;
    state.selectable = true;
    state.selected = isSelected();
    const QModelIndex current = days->currentIndex();
    state.focused = days->hasFocus() && current.row() == row && current.column() == column;
    return state;
}
