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
        // A click puts the focus on the tab, as the arrows do, before the page it was on goes.
        connect(tab, &TabButton::clicked, this, [this, index] { selectTab(index, true); });
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
    selectTab(index, false);
}

void TabControl::selectTab(int index, bool focusTab)
{
    if (index < 0 || index >= tabCount() || index == selected)
        return;
    const int previous = selected;
    const bool focusWasOnTabs = tabs[previous]->hasFocus();
    tabs[previous]->setSelected(false);
    selected = index;
    tabs[selected]->setSelected(true);
    setFocusProxy(tabs[selected]);
    if (focusWasOnTabs || focusTab)
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

void TabControl::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    layoutTabs();
}

int TabControl::rowWidth() const
{
    // A control reaching past its parent's edge keeps its tabs where they can be seen.
    const QWidget* parent = parentWidget();
    return parent ? qBound(1, parent->width() - x(), width()) : width();
}

void TabControl::layoutTabs()
{
    // Rows are filled in tab order, left to right, the first row at the top.
    const int rowRight = rowWidth();
    const int tabWidth = rowRight / tabsPerRow;
    for (int index = 0; index < tabCount(); ++index) {
        const int row = index / tabsPerRow;
        const int column = index % tabsPerRow;
        const int right = column == tabsPerRow - 1 ? rowRight : (column + 1) * tabWidth;
        tabs[index]->setGeometry(column * tabWidth, row * tabHeightPixels,
                                 right - column * tabWidth, tabHeightPixels);
    }
    if (!widthsFollowCaptions)
        return;
    for (int first = 0; first < tabCount(); first += tabsPerRow) {
        const int last = qMin(first + tabsPerRow, tabCount()) - 1;
        QList<int> wanted;
        int total = 0;
        for (int index = first; index <= last; ++index) {
            wanted.append(tabs[index]->widthForCaption());
            total += wanted.last();
        }
        if (total > rowRight)
            continue;
        const int spare = (rowRight - total) / int(wanted.size());
        int left = 0;
        for (int index = first; index <= last; ++index) {
            const int right = index == last ? rowRight : left + wanted[index - first] + spare;
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
    const QRect pageArea(0, rowCount() * tabHeightPixels, rowWidth(),
                         height() - rowCount() * tabHeightPixels);
    painter.fillRect(pageArea, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(pageArea.adjusted(0, 0, -1, -1));
}
