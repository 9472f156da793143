#pragma once

#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QPointer>
#include <QDate>
#include <QHash>

class QTableView;

// Teaches Qt's accessibility layer the month view's days; once is enough.
void InstallMonthViewAccessibility();

// The table of days inside the result window's month view, as a screen reader
// meets it: each day says its whole date, whether it belongs to the month before
// or after, and its festival, where the view shows a bare number and a colour.
class MonthViewAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit MonthViewAccessible(QTableView* days);
    ~MonthViewAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int) const override { return QString(); }
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    QTableView* days() const;
    // The date that a cell of the day rows shows; none for the row of day names.
    QDate dateAt(int row, int column) const;
    // "Sunday, 2 December 2007, festival: Feast of Rhiannon"; a day name for the header row.
    QString cellName(int row, int column) const;

private:
    bool hasDayNameRow() const;
    void forgetCells();

    mutable QHash<int, QAccessible::Id> cells;
};

// One cell of the month view's table of days; its name is the whole date.
class MonthDayAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    MonthDayAccessible(QTableView* days, int row, int column);

    void* interface_cast(QAccessible::InterfaceType type) override;
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    MonthViewAccessible* monthView() const;

    QPointer<QTableView> days;
    int row;
    int column;
};
