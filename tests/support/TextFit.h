#pragma once

#include <QFont>
#include <QSize>
#include <QString>

// How a text lies in a box when a label lays it out as Windows does: words wrap at
// spaces, CR LF starts a new line, the spaces at a wrap take no room.
struct TextFit
{
    int lines = 0;
    int width = 0;  // of the widest line, in pixels
    int height = 0; // of all the lines
    QSize box;

    int slackX() const { return box.width() - width; }
    int slackY() const { return box.height() - height; }
    bool fits() const { return slackX() >= 0 && slackY() >= 0; }
    // "3 lines, +4 px": the lines and the room left, the tighter of width and height.
    QString summary() const;

    // In Verdana's published metrics, every advance 2 % wider and the lines at a
    // cautious pitch, as a hinted Windows Verdana may draw them (14, 15 and 16 px at
    // 8.25, 9 and 9.75 pt).
    static TextFit inVerdana(const QString& text, const QFont& font, QSize box, bool wrap);
    // In the font this machine draws in place of Verdana.
    static TextFit inFont(const QString& text, const QFont& font, QSize box, bool wrap);
    // Whether Verdana has every letter of the text (it draws no CJK, Arabic, Hebrew or Indic).
    static bool verdanaCovers(const QString& text);
};
