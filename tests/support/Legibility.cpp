#include "Legibility.h"

#include "controls/FocusRing.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <algorithm>

namespace Legibility {

namespace {

double contrast(QRgb first, QRgb second)
{
    return FocusRing::contrast(QColor(first), QColor(second));
}

QRgb mostCommon(const QHash<QRgb, int>& counts)
{
    // The iterators compare by count and tell the colour.
    return std::max_element(counts.cbegin(), counts.cend()).key();
}

} // namespace

double textContrast(const QImage& whole)
{
    // The edge is left out: frames and borders lie there, not text.
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
    for (QRgb colour : colours) {
        if ((covered += counts[colour]) >= enough)
            return contrast(colour, background);
    }
    return 1.0;
}

double focusMarkContrast(const QImage& without, const QImage& with)
{
    QHash<QRgb, int> marks;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                ++marks[with.pixel(x, y)];
    if (marks.isEmpty())
        return 0.0;
    const QRgb mark = mostCommon(marks);
    QHash<QRgb, int> covered;
    QRect box;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) == mark && without.pixel(x, y) != mark) {
                ++covered[without.pixel(x, y)];
                box |= QRect(x, y, 1, 1);
            }
    // Thick enough where it crosses the middle of its upper edge.
    const int middle = box.center().x();
    int thickness = 0;
    while (box.top() + thickness < with.height() && with.pixel(middle, box.top() + thickness) == mark)
        ++thickness;
    return thickness >= 2 ? contrast(mark, mostCommon(covered)) : 0.0;
}

QRect shownPart(QWidget* control)
{
    QWidget* window = control->window();
    const QPoint offset = control->mapTo(window, QPoint(0, 0));
    QRect part(offset, control->size());
    for (QWidget* outer = control; outer != window; outer = outer->parentWidget())
        part &= QRect(outer->parentWidget()->mapTo(window, QPoint(0, 0)), outer->parentWidget()->size());
    return part.translated(-offset);
}

QImage grabOf(QWidget* control, QRect area)
{
    QWidget* window = control->window();
    if (area.isNull())
        area = shownPart(control);
    return window->grab(area.translated(control->mapTo(window, QPoint(0, 0))) & window->rect())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace Legibility
