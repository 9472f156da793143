#include "calendar/MonthViewAccessible.h"

#include "core/modPaganFestivals.h"

#include <QCalendarWidget>
#include <QLocale>
#include <QTableView>

MonthViewAccessible::MonthViewAccessible(QTableView* days)
    : QAccessibleWidget(days, QAccessible::Table)
{
}

MonthViewAccessible::~MonthViewAccessible()
{
    forgetCells();
}

QTableView* MonthViewAccessible::days() const
{
    return static_cast<QTableView*>(widget());
}

void* MonthViewAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int MonthViewAccessible::rowCount() const
{
    return days()->model() ? days()->model()->rowCount() : 0;
}

int MonthViewAccessible::columnCount() const
{
    return days()->model() ? days()->model()->columnCount() : 0;
}

// The children are numbered as the view numbers them in its focus events: row
// by row, with a place before each row and a row before the first for the
// view's own headers, which stay hidden and have no cells here.
int MonthViewAccessible::childCount() const
{
    return (rowCount() + 1) * (columnCount() + 1);
}

QAccessibleInterface* MonthViewAccessible::child(int index) const
{
    const int stride = columnCount() + 1;
    return cellAt(index / stride - 1, index % stride - 1);
}

QAccessibleInterface* MonthViewAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    const int index = row * columnCount() + column;
    if (!cells.contains(index)) {
        cells.insert(index, QAccessible::registerAccessibleInterface(
                                new MonthDayAccessible(days(), row, column)));
    }
    return QAccessible::accessibleInterface(cells.value(index));
}

int MonthViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    // The interface is asked, not changed; Qt offers the cast on a mutable one only.
    auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    return cell ? (cell->rowIndex() + 1) * (columnCount() + 1) + cell->columnIndex() + 1 : -1;
}

QAccessibleInterface* MonthViewAccessible::focusChild() const
{
    const QModelIndex current = days()->currentIndex();
    return days()->hasFocus() && current.isValid() ? cellAt(current.row(), current.column())
                                                   : nullptr;
}

QAccessibleInterface* MonthViewAccessible::childAt(int x, int y) const
{
    const QPoint inside = days()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = days()->indexAt(inside);
    return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
}

int MonthViewAccessible::selectedCellCount() const
{
    return int(selectedCells().size());
}

QList<QAccessibleInterface*> MonthViewAccessible::selectedCells() const
{
    QList<QAccessibleInterface*> selected;
    if (const QItemSelectionModel* selection = days()->selectionModel()) {
        for (const QModelIndex& index : selection->selectedIndexes())
            selected.append(cellAt(index.row(), index.column()));
    }
    return selected;
}

void MonthViewAccessible::modelChange(QAccessibleTableModelChangeEvent* event)
{
    // The names follow the month shown as they are read; only a new shape of
    // the table makes the cells stale.
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
        forgetCells();
}

void MonthViewAccessible::forgetCells()
{
    for (QAccessible::Id id : std::as_const(cells))
        QAccessible::deleteAccessibleInterface(id);
    cells.clear();
}

bool MonthViewAccessible::hasDayNameRow() const
{
    const auto* month = qobject_cast<const QCalendarWidget*>(days()->parentWidget());
    return month && month->horizontalHeaderFormat() != QCalendarWidget::NoHorizontalHeader;
}

QDate MonthViewAccessible::dateAt(int row, int column) const
{
    const auto* month = qobject_cast<const QCalendarWidget*>(days()->parentWidget());
    const int week = row - (hasDayNameRow() ? 1 : 0);
    if (!month || !days()->model() || week < 0)
        return QDate();
    const int day = days()->model()->index(row, column).data().toInt();
    // The first week may begin in the month before, the last two end in the one after.
    QDate first(month->yearShown(), month->monthShown(), 1);
    if (week == 0 && day > 7)
        first = first.addMonths(-1);
    else if (week >= 4 && day < 15)
        first = first.addMonths(1);
    return QDate(first.year(), first.month(), day);
}

QString MonthViewAccessible::cellName(int row, int column) const
{
    const QLocale locale;
    if (row == 0 && hasDayNameRow())
        return locale.dayName(dateAt(1, column).dayOfWeek());
    const QDate date = dateAt(row, column);
    if (!date.isValid())
        return QString();
    QString name = locale.toString(date, QStringLiteral("dddd, d MMMM yyyy"));
    const auto* month = qobject_cast<const QCalendarWidget*>(days()->parentWidget());
    if (date.month() != month->monthShown()) {
        name += date < QDate(month->yearShown(), month->monthShown(), 1)
                    ? QStringLiteral(", month before")
                    : QStringLiteral(", month after");
    } else if (const QString festival =
                   modPaganFestivals::FestivalOn(date.year(), date.month(), date.day());
               !festival.isEmpty()) {
        name += QStringLiteral(", festival: ") + festival;
    }
    return name;
}

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

namespace {

QAccessibleInterface* monthViewFor(const QString& className, QObject* object)
{
    // The days of a month view: Qt's own table inside QCalendarWidget. It is asked for as a
    // QTableView, the class it names while it is being built: Qt 6.8 makes the interface
    // then (Qt 6.4 only when a screen reader first asks) and keeps it.
    if (className == QLatin1String("QTableView")
        && qobject_cast<QCalendarWidget*>(object->parent()))
        return new MonthViewAccessible(static_cast<QTableView*>(object));
    return nullptr;
}

} // namespace

void InstallMonthViewAccessibility()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(monthViewFor);
        installed = true;
    }
}
