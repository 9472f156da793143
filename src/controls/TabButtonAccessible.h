#pragma once

#include <QAccessibleWidget>

class TabButton;

// Presents a TabButton to screen readers as a page tab with its caption,
// selected by its press action.
class TabButtonAccessible : public QAccessibleWidget
{
public:
    explicit TabButtonAccessible(TabButton* tab);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TabButton* tab() const;
};
