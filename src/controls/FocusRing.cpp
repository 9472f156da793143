#include "controls/FocusRing.h"

#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace {

double luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
           + 0.0722 * linear(colour.blueF());
}

} // namespace

namespace FocusRing {

double contrast(const QColor& first, const QColor& second)
{
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor colourOn(const QColor& background)
{
    const QColor light(255, 255, 0);
    const QColor dark(0, 0, 0);
    return contrast(light, background) >= contrast(dark, background) ? light : dark;
}

void paint(QPainter& painter, const QRect& rect, const QColor& background)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colourOn(background));
    // Four bars rather than a stroked outline: exact pixels at any pen scale.
    const QRect r = rect.normalized();
    painter.drawRect(r.left(), r.top(), r.width(), Thickness);
    painter.drawRect(r.left(), r.bottom() - Thickness + 1, r.width(), Thickness);
    painter.drawRect(r.left(), r.top(), Thickness, r.height());
    painter.drawRect(r.right() - Thickness + 1, r.top(), Thickness, r.height());
    painter.restore();
}

} // namespace FocusRing
