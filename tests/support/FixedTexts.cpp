#include "FixedTexts.h"

#include "Verdana.h"
#include "controls/TabButton.h"

#include <QCalendarWidget>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>

namespace {

// As drawn: "&&" shows one ampersand, a single one marks the access key.
QString withoutAccessKey(QString caption)
{
    return caption.replace(QRegularExpression(QStringLiteral("&(.?)")), QStringLiteral("\\1"));
}

// Menus, the month view (its days are read apart) and what scrolls hold no text of fixed size.
bool fixedInSize(const QWidget* control)
{
    for (const QWidget* widget = control; widget; widget = widget->parentWidget())
        if (qobject_cast<const QMenuBar*>(widget) || qobject_cast<const QCalendarWidget*>(widget)
            || qobject_cast<const QScrollArea*>(widget))
            return false;
    return true;
}

bool sizedToText(const QLabel* label)
{
    const QFontMetrics metrics(label->font());
    return !label->wordWrap()
           && (label->size() == label->sizeHint()
               || (label->height() == metrics.height()
                   && label->width() == metrics.horizontalAdvance(label->text()) + 2));
}

// The day names and numbers of a month view, each in what its cell shows of it: a cell
// that the view cuts off leaves its text less room.
void addMonthViewDays(const QCalendarWidget* monthView, QList<FixedText>& texts)
{
    const auto* days = monthView->findChild<QTableView*>();
    if (!days)
        return;
    // A cell sets its text off its sides by the margin of the focus frame, and one pixel.
    const int margin = days->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, days) + 1;
    for (int row = 0; row < days->model()->rowCount(); ++row)
        for (int column = 0; column < days->model()->columnCount(); ++column) {
            const QModelIndex day = days->model()->index(row, column);
            if (day.data().toString().isEmpty())
                continue;
            const QRect shown = days->visualRect(day) & days->viewport()->rect();
            texts.append({QStringLiteral("%1/%2 row %3 column %4")
                              .arg(monthView->window()->objectName(), monthView->objectName())
                              .arg(row)
                              .arg(column),
                          day.data().toString(),
                          day.data(Qt::FontRole).value<QFont>().resolve(days->font()),
                          shown.adjusted(margin, 0, -margin, 0).size(), false});
        }
}

} // namespace

QList<FixedText> FixedTexts(QWidget* window)
{
    QList<FixedText> texts;
    for (const QCalendarWidget* monthView : window->findChildren<QCalendarWidget*>())
        addMonthViewDays(monthView, texts);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        QWidget* parent = control->parentWidget();
        if (!parent || !control->geometry().intersects(parent->rect()) || !fixedInSize(control))
            continue;
        FixedText entry{window->objectName() + QLatin1Char('/') + control->objectName(), {},
                        control->font(), {}, false};
        if (auto* label = qobject_cast<QLabel*>(control)) {
            const int margin = label->margin();
            entry.text = label->text();
            entry.box = label->contentsRect().adjusted(margin, margin, -margin, -margin).size();
            entry.wrap = label->wordWrap();
            entry.sizedToFont = sizedToText(label);
            if (entry.sizedToFont)
                entry.box = QSize(parent->width() - label->x(), QWIDGETSIZE_MAX);
        } else if (auto* tab = qobject_cast<TabButton*>(control)) {
            entry = {entry.name + QLatin1String("tab ") + tab->text(), withoutAccessKey(tab->text()),
                     tab->captionFont(), tab->captionArea().size(), true};
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            entry.text = withoutAccessKey(button->text());
            entry.box = button->style()->subElementRect(qobject_cast<QRadioButton*>(button)
                                                            ? QStyle::SE_RadioButtonContents
                                                            : QStyle::SE_PushButtonContents,
                                                        &option, button).size();
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

QStringList whatIsCut(const FixedText& text)
{
    const TextLayout verdana = Verdana::layOut(text.text, text.font, text.box, text.wrap);
    const TextLayout drawn = TextLayout::inFont(text.text, text.font, text.box, text.wrap);
    const QString box = text.box.height() == QWIDGETSIZE_MAX
                            ? QStringLiteral("%1 wide").arg(text.box.width())
                            : QStringLiteral("%1 x %2").arg(text.box.width()).arg(text.box.height());
    if (qEnvironmentVariableIsSet("VELLORAN_FIT_TABLE"))
        qInfo().noquote() << QStringLiteral("| %1 | %2 | %3 | %4 | %5 |")
                                 .arg(text.name, text.text.left(40).replace(u'\n', u' '), box,
                                      verdana.summary(), drawn.summary());
    // A label sized to a stand-in font (under Wine) is not what a Windows user sees.
    const bool usersFont = Verdana::drawnAsUsersSeeIt(text.font);
    QStringList cut;
    if (!verdana.fits() && Verdana::covers(text.text) && (usersFont || !text.sizedToFont))
        cut << QStringLiteral("%1 in Verdana: %2 in %3").arg(text.name, verdana.summary(), box);
    if (!drawn.fits() && usersFont)
        cut << QStringLiteral("%1 in %2: %3 in %4").arg(text.name, QFontInfo(text.font).family(), drawn.summary(), box);
    return cut;
}
