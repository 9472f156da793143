#pragma once

#include <QRect>

// Layouts are given in twips; 15 twips make one device-independent pixel and
// Qt scales pixels for high-DPI screens.
namespace Twips {

constexpr int TwipsPerPixel = 15;

constexpr int toPixels(int twips)
{
    // Rounds half away from zero, so -15 is -1 and 7 is 0.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

constexpr QSize size(int width, int height)
{
    return QSize(toPixels(width), toPixels(height));
}

} // namespace Twips
