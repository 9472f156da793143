#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Text boxes that show a placeholder as their text until the user reaches
// them. A box whose text, spaces aside, is its placeholder is emptied as the
// focus arrives; one left empty gets the placeholder back when the focus moves
// on to another control of its window. Line edits and plain text boxes alike;
// a plain text box's line breaks read and write as CR LF.
class PlaceholderBoxes : public QObject
{
    Q_OBJECT

public:
    explicit PlaceholderBoxes(QObject* parent);

    // Watches box, whose text is its placeholder until the user changes it.
    // Filters the box installed before this see its events after this does.
    void add(QWidget* box, const QString& placeholder);

    static QString text(const QWidget* box);
    static void setText(QWidget* box, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void gotFocus(QWidget* box);
    // Runs the focus step for the box the focus last came to, once.
    void emptyArrivedBox();
    void lostFocus(QWidget* box);

    QHash<const QObject*, QString> placeholders;
    QPointer<QWidget> boxToEmpty;
};
