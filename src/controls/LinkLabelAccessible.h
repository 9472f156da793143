#pragma once

#include <QAccessibleWidget>

class LinkLabel;

// Presents a LinkLabel to screen readers as a link with its text that can be pressed.
class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel* label);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    LinkLabel* label() const;
};
