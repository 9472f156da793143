#include "controls/PlaceholderBoxes.h"

#include "core/TrimSpaces.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

PlaceholderBoxes::PlaceholderBoxes(QObject* parent) : QObject(parent) {}

void PlaceholderBoxes::add(QWidget* box, const QString& placeholder)
{
    placeholders.insert(box, placeholder);
    box->installEventFilter(this);
}

QString PlaceholderBoxes::text(const QWidget* box)
{
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(box))
        return plain->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    return QString();
}

void PlaceholderBoxes::setText(QWidget* box, const QString& text)
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
}

void PlaceholderBoxes::gotFocus(QWidget* box)
{
    if (TrimSpaces(text(box)) == placeholders.value(box))
        setText(box, QString());
}

void PlaceholderBoxes::emptyArrivedBox()
{
    if (QWidget* box = boxToEmpty) {
        boxToEmpty = nullptr;
        gotFocus(box);
    }
}

void PlaceholderBoxes::lostFocus(QWidget* box)
{
    if (TrimSpaces(text(box)).isEmpty())
        setText(box, placeholders.value(box));
}

bool PlaceholderBoxes::eventFilter(QObject* watched, QEvent* event)
{
    if (!placeholders.contains(watched))
        return false;
    auto* box = static_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();

    if (type == QEvent::FocusIn) {
        // Whatever brings the focus here: the click that puts the caret in a box
        // may be the very one that activates its window. The box is emptied just
        // after the focus has arrived: a screen reader takes the caret's move as
        // the arrival, and would then leave the box unnamed, when the emptying
        // comes first. Anything the user does in the box meanwhile finds it
        // emptied already.
        boxToEmpty = box;
        QMetaObject::invokeMethod(this, &PlaceholderBoxes::emptyArrivedBox, Qt::QueuedConnection);
        return false;
    }
    if (box == boxToEmpty
        && (type == QEvent::KeyPress || type == QEvent::InputMethod
            || type == QEvent::MouseButtonPress || type == QEvent::FocusOut))
        emptyArrivedBox();
    if (type == QEvent::FocusOut) {
        // Only a move to another control of the window counts, not the window
        // losing the focus to a message box or a menu.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            lostFocus(box);
    }
    return false;
}
