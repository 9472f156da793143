#pragma once

#include <QAccessibleWidget>
#include <QDate>
#include <QHash>

class QTableView;

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
