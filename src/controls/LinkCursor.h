#pragma once

#include <QCursor>
#include <QObject>

class QWidget;

// The link cursors: a pointing hand in colour, and the same hand in two colours
// for the co-brand link. Each is drawn for every scale up to 300 % and shown
// at the device pixels of the screen the pointer is on.
class LinkCursor : public QObject
{
public:
    enum class Kind { Hand, CoBrand };

    // Gives the widget the cursor; it is made again when the pointer enters the
    // widget on a screen of another scale.
    static void set(QWidget* widget, Kind kind);
    // The cursor for the given device pixel ratio, 32 logical pixels square.
    static QCursor make(Kind kind, qreal ratio);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LinkCursor(QWidget* widget, Kind kind);
    void apply(QWidget* widget);

    Kind kind;
    qreal ratio = 0;
};
