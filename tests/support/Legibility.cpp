#include "Legibility.h"

#include "controls/FocusRing.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include <algorithm>

namespace Legibility {

namespace {

double contrast(QRgb first, QRgb second)
{
    return FocusRing::contrast(QColor(first), QColor(second));
}

// The iterators compare by count and tell the colour.
QRgb mostCommon(const QHash<QRgb, int>& counts)
{
    return std::max_element(counts.cbegin(), counts.cend()).key();
}

} // namespace

double textContrast(const QImage& whole)
{
    const QImage grab = whole.copy(whole.rect().adjusted(2, 2, -2, -2));
    QHash<QRgb, int> counts;
    for (int y = 0; y < grab.height(); ++y)
        for (int x = 0; x < grab.width(); ++x)
            ++counts[grab.pixel(x, y)];
    const QRgb background = mostCommon(counts);
    QList<QRgb> colours = counts.keys();
    std::sort(colours.begin(), colours.end(), [background](QRgb a, QRgb b) {
        return contrast(a, background) > contrast(b, background);
    });
    const int enough = std::max(4, (grab.width() * grab.height() - counts[background]) / 100);
    int covered = 0;
    for (QRgb colour : colours)
        if ((covered += counts[colour]) >= enough)
            return contrast(colour, background);
    return 1.0;
}

double focusMarkContrast(const QImage& without, const QImage& with)
{
    QHash<QRgb, int> marks;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            marks[with.pixel(x, y)] += with.pixel(x, y) != without.pixel(x, y);
    const QRgb mark = mostCommon(marks);
    QHash<QRgb, int> covered;
    QRect box;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) == mark && without.pixel(x, y) != mark) {
                ++covered[without.pixel(x, y)];
                box |= QRect(x, y, 1, 1);
            }
    // Measured where it crosses the middle of its upper edge.
    int thickness = 0;
    while (box.isValid() && box.top() + thickness < with.height()
           && with.pixel(box.center().x(), box.top() + thickness) == mark)
        ++thickness;
    return thickness >= 2 ? contrast(mark, mostCommon(covered)) : 0.0;
}

QRect shownPart(QWidget* control)
{
    QWidget* window = control->window();
    const QPoint offset = control->mapTo(window, QPoint(0, 0));
    QRect part(offset, control->size());
    for (QWidget* outer = control; outer != window;) {
        outer = outer->parentWidget();
        part &= QRect(outer->mapTo(window, QPoint(0, 0)), outer->size());
    }
    return part.translated(-offset);
}

QImage grabOf(QWidget* control, QRect area)
{
    QWidget* window = control->window();
    area = (area.isNull() ? shownPart(control) : area).translated(control->mapTo(window, QPoint(0, 0)));
    return window->grab(area & window->rect()).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace Legibility
