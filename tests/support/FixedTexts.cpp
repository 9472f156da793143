#include "FixedTexts.h"

#include "controls/TabButton.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// As drawn: "&&" shows one ampersand, a single one marks the access key.
QString withoutAccessKey(const QString& caption)
{
    QString shown;
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption[at] == QLatin1Char('&') && ++at == caption.size())
            break;
        shown += caption[at];
    }
    return shown;
}

template <class Kind>
bool insideA(const QWidget* widget)
{
    for (const QWidget* above = widget->parentWidget(); above; above = above->parentWidget())
        if (qobject_cast<const Kind*>(above))
            return true;
    return false;
}

bool sizedToText(const QLabel* label)
{
    const QFontMetrics metrics(label->font());
    return !label->wordWrap()
           && (label->size() == label->sizeHint()
               || (label->height() == metrics.height()
                   && label->width() == metrics.horizontalAdvance(label->text()) + 2));
}

QSize buttonContents(QAbstractButton* button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button).size();
}

} // namespace

QList<FixedText> FixedTexts(QWidget* window)
{
    QList<FixedText> texts;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        QWidget* parent = control->parentWidget();
        if (!parent || !control->geometry().intersects(parent->rect())
            || qobject_cast<QMenuBar*>(control) || insideA<QMenuBar>(control)
            || insideA<QCalendarWidget>(control) || insideA<QScrollArea>(control))
            continue;
        FixedText entry{window->objectName() + QLatin1Char('/') + control->objectName(), {},
                        control->font(), {}, false};
        if (auto* label = qobject_cast<QLabel*>(control)) {
            entry.text = label->text();
            const int margin = label->margin();
            entry.box = label->contentsRect().adjusted(margin, margin, -margin, -margin).size();
            entry.wrap = label->wordWrap();
            entry.sizedToFont = sizedToText(label);
            if (entry.sizedToFont)
                entry.box = QSize(parent->width() - label->x(), QWIDGETSIZE_MAX);
        } else if (auto* tab = qobject_cast<TabButton*>(control)) {
            entry.name += QLatin1String("tab ") + tab->text();
            entry.text = withoutAccessKey(tab->text());
            entry.font = tab->captionFont();
            entry.box = tab->captionArea().size();
            entry.wrap = true;
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            entry.text = withoutAccessKey(button->text());
            entry.box = buttonContents(button, qobject_cast<QRadioButton*>(button)
                                                   ? QStyle::SE_RadioButtonContents
                                                   : QStyle::SE_PushButtonContents);
        } else if (auto* frame = qobject_cast<QGroupBox*>(control);
                   frame && frame->metaObject() == &QGroupBox::staticMetaObject) {
            entry.text = frame->title();
            // The title stands between the frame's corners.
            entry.box = QSize(frame->width() - 16, QWIDGETSIZE_MAX);
        }
        if (!entry.text.trimmed().isEmpty())
            texts.append(entry);
    }
    return texts;
}
