#include "Legibility.h"

#include "controls/FocusRing.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include <algorithm>

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

QImage Legibility::grabOf(QWidget* control, QRect area)
{
    QWidget* window = control->window();
    area = (area.isNull() ? control->visibleRegion().boundingRect() : area)
               .translated(control->mapTo(window, QPoint(0, 0)));
    return window->grab(area & window->rect()).toImage().convertToFormat(QImage::Format_RGB32);
}

double Legibility::textContrast(const QImage& whole)
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
    // Antialiased glyphs have few pixels of the pure ink: the farthest colours are
    // taken together until they cover 1 % of the text.
    int covered = 0;
    for (QRgb colour : colours)
        if ((covered += counts[colour]) >= std::max(4, (grab.width() * grab.height() - counts[background]) / 100))
            return contrast(colour, background);
    return 1.0;
}

double Legibility::focusMarkContrast(const QImage& without, const QImage& with)
{
    QHash<QRgb, int> changed;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            changed[with.pixel(x, y)] += with.pixel(x, y) != without.pixel(x, y);
    const QRgb mark = mostCommon(changed);
    QHash<QRgb, int> covered;
    QRect box;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) == mark && without.pixel(x, y) != mark) {
                ++covered[without.pixel(x, y)];
                box |= QRect(x, y, 1, 1);
            }
    // As thick as its upper edge is at the middle.
    const bool thick = box.height() > 1 && with.pixel(box.center().x(), box.top() + 1) == mark;
    return thick ? contrast(mark, mostCommon(covered)) : 0.0;
}
