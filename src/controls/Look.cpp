#include "controls/Look.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>
#include <QWidget>

namespace Look {

QFont verdana(qreal pointSize, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

namespace {

// Quarter point by quarter point, no smaller than still reads.
template <class Fits>
QFont shrunkUntil(const QFont& font, Fits fits)
{
    QFont shrunk = font;
    constexpr qreal smallestReadable = 6.0;
    while (!fits(QFontMetrics(shrunk)) && shrunk.pointSizeF() - 0.25 >= smallestReadable)
        shrunk.setPointSizeF(shrunk.pointSizeF() - 0.25);
    return shrunk;
}

} // namespace

QFont fontFitting(const QFont& font, const QString& text, int width)
{
    const int room = width - width / 50;
    return shrunkUntil(
        font, [&](const QFontMetrics& metrics) { return metrics.horizontalAdvance(text) <= room; });
}

QFont fontFittingBox(const QFont& font, const QString& text, QSize box)
{
    const int room = box.width() - box.width() / 50;
    return shrunkUntil(font, [&](const QFontMetrics& metrics) {
        const int pitch = metrics.lineSpacing();
        const int height =
            metrics.boundingRect(QRect(0, 0, room, 100000), Qt::TextWordWrap, text).height();
        return (height + pitch - 1) / pitch * (pitch + 1) <= box.height();
    });
}

void paint(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void transparent(QWidget* widget, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(false);
}

void followTheme(QWidget* textBox)
{
    const QPalette theme = QApplication::palette();
    QPalette palette = textBox->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Text, QPalette::Highlight,
                                           QPalette::HighlightedText, QPalette::PlaceholderText}) {
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, role, theme.color(group, role));
    }
    textBox->setPalette(palette);
}

} // namespace Look
