#include "controls/Look.h"

#include "controls/TextLayout.h"

#include <QApplication>
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
QFont shrunkToFit(const QFont& font, const QString& text, QSize box, bool wrap)
{
    QFont shrunk = font;
    constexpr qreal smallestReadable = 6.0;
    while (!TextLayout::inFont(text, shrunk, box, wrap, true).fits()
           && shrunk.pointSizeF() - 0.25 >= smallestReadable)
        shrunk.setPointSizeF(shrunk.pointSizeF() - 0.25);
    return shrunk;
}

} // namespace

QFont fontFitting(const QFont& font, const QString& text, int width)
{
    return shrunkToFit(font, text, QSize(width, QWIDGETSIZE_MAX), false);
}

QFont fontFittingBox(const QFont& font, const QString& text, QSize box)
{
    return shrunkToFit(font, text, box, true);
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
