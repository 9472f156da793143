#include "controls/TabControl.h"

#include "controls/TabButton.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

TabControl::TabControl(int count, int perRow, int tabHeightPx, QWidget* parent)
    : QWidget(parent), tabsPerRow(qMax(1, perRow)), tabHeightPixels(tabHeightPx)
{
    for (int index = 0; index < count; ++index) {
        auto* tab = new TabButton(QString(), this);
        connect(tab, &TabButton::clicked, this, [this, index] { setSelectedIndex(index); });
        connect(tab, &TabButton::stepRequested, this, [this, index](int step) {
            const int next = index + step;
            if (next >= 0 && next < tabCount()) {
                setSelectedIndex(next);
                tabs[next]->setFocus(Qt::TabFocusReason);
            }
        });
        tabs.append(tab);
        pages.append(nullptr);
    }
    if (!tabs.isEmpty())
        tabs.first()->setSelected(true);
    setFocusProxy(tabs.isEmpty() ? nullptr : tabs.first());
}

void TabControl::setTabCaption(int index, const QString& caption)
{
    if (index >= 0 && index < tabCount()) {
        tabs[index]->setText(caption);
        tabs[index]->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        if (widthsFollowCaptions)
            layoutTabs();
    }
}

QString TabControl::tabCaption(int index) const
{
    return index >= 0 && index < tabCount() ? tabs[index]->text() : QString();
}

TabButton* TabControl::tabButton(int index) const
{
    return index >= 0 && index < tabCount() ? tabs[index] : nullptr;
}

void TabControl::setPage(int index, QWidget* page)
{
    if (index < 0 || index >= tabCount() || !page)
        return;
    const QRect geometry = page->geometry();
    page->setParent(this);
    page->setGeometry(geometry);
    pages[index] = page;
    // Tabs stay above the pages where a page reaches up into the tab rows.
    for (TabButton* tab : std::as_const(tabs))
        tab->raise();
    showSelectedPage();
}

void TabControl::setTabColours(const QColor& face, const QColor& text)
{
    for (TabButton* tab : std::as_const(tabs)) {
        QPalette colours = tab->palette();
        colours.setColor(QPalette::Button, face);
        colours.setColor(QPalette::ButtonText, text);
        tab->setPalette(colours);
    }
}

QWidget* TabControl::page(int index) const
{
    return index >= 0 && index < tabCount() ? pages[index] : nullptr;
}

void TabControl::setSelectedIndex(int index)
{
    if (index < 0 || index >= tabCount() || index == selected)
        return;
    const int previous = selected;
    const bool focusWasOnTabs = tabs[previous]->hasFocus();
    tabs[previous]->setSelected(false);
    selected = index;
    tabs[selected]->setSelected(true);
    setFocusProxy(tabs[selected]);
    if (focusWasOnTabs)
        tabs[selected]->setFocus(Qt::OtherFocusReason);
    showSelectedPage();
    Q_EMIT Click(previous);
}

void TabControl::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Tab:
            step = event->modifiers() & Qt::ShiftModifier ? -1 : +1;
            break;
        case Qt::Key_Backtab:
        case Qt::Key_PageUp:
            step = -1;
            break;
        case Qt::Key_PageDown:
            step = +1;
            break;
        default:
            break;
        }
    }
    if (step == 0 || tabCount() == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    setSelectedIndex((selected + step + tabCount()) % tabCount());
    // The focus follows to the tab, so the user hears which page is shown.
    tabs[selected]->setFocus(Qt::TabFocusReason);
    event->accept();
}

void TabControl::showSelectedPage()
{
    for (int index = 0; index < tabCount(); ++index) {
        if (pages[index])
            pages[index]->setVisible(index == selected);
    }
}

void TabControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutTabs();
}

void TabControl::layoutTabs()
{
    // Rows are filled in tab order, left to right, the first row at the top.
    const int tabWidth = width() / tabsPerRow;
    for (int index = 0; index < tabCount(); ++index) {
        const int row = index / tabsPerRow;
        const int column = index % tabsPerRow;
        const int right = column == tabsPerRow - 1 ? width() : (column + 1) * tabWidth;
        tabs[index]->setGeometry(column * tabWidth, row * tabHeightPixels,
                                 right - column * tabWidth, tabHeightPixels);
    }
    if (!widthsFollowCaptions)
        return;
    for (int first = 0; first < tabCount(); first += tabsPerRow) {
        const int last = qMin(first + tabsPerRow, tabCount()) - 1;
        // Measured bold, as the selected tab draws its caption.
        QList<int> wanted;
        int total = 0;
        for (int index = first; index <= last; ++index) {
            QFont captionFont = tabs[index]->font();
            captionFont.setBold(true);
            wanted.append(QFontMetrics(captionFont).horizontalAdvance(tabs[index]->text()) + 12);
            total += wanted.last();
        }
        if (total > width())
            continue;
        const int spare = (width() - total) / int(wanted.size());
        int left = 0;
        for (int index = first; index <= last; ++index) {
            const int right = index == last ? width() : left + wanted[index - first] + spare;
            tabs[index]->setGeometry(left, tabs[index]->y(), right - left, tabHeightPixels);
            left = right;
        }
    }
}

void TabControl::setTabWidthsFollowCaptions(bool follow)
{
    widthsFollowCaptions = follow;
    layoutTabs();
}

void TabControl::paintEvent(QPaintEvent*)
{
    // The page area: a frame below the tab rows, in the control's own colour.
    QPainter painter(this);
    const QRect pageArea = rect().adjusted(0, rowCount() * tabHeightPixels, -1, -1);
    painter.fillRect(pageArea, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(pageArea);
}
