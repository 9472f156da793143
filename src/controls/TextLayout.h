#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QFont;

// How a text lies in a box when a label lays it out as Windows does: words wrap at
// spaces, CR LF starts a new line, the spaces at a wrap take no room.
struct TextLayout
{
    int lines = 0;
    int width = 0; // of the widest line, in pixels
    int height = 0; // of all the lines
    QSize box;
    bool wrapped = false;

    int slackX() const { return box.width() - width; }
    int slackY() const { return box.height() - height; }
    bool fits() const { return slackX() >= 0 && slackY() >= 0; }
    // "3 lines, +4 px": the lines and the room left, below them for a text that
    // wraps, else the tighter of width and height.
    QString summary() const;

    // The advance of a piece of a line, in pixels.
    using Advance = std::function<double(QStringView)>;
    static TextLayout wrap(const QString& text, QSize box, bool wrap, int pitch,
                           const Advance& advance);

    // In a font as this machine draws it. Cautious, each advance is taken a fiftieth
    // wider and each line a pixel taller, as another font in its place may draw them.
    static TextLayout inFont(const QString& text, const QFont& font, QSize box, bool wrap,
                             bool cautious = false);
};
