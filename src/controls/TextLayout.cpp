#include "controls/TextLayout.h"

#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

QString TextLayout::summary() const
{
    const int slack = wrapped && slackX() >= 0 ? slackY() : std::min(slackX(), slackY());
    return QStringLiteral("%1 line%2, %3%4 px")
        .arg(QString::number(lines))
        .arg(QLatin1String(lines == 1 ? "" : "s"), QLatin1String(slack >= 0 ? "+" : ""))
        .arg(QString::number(slack));
}

TextLayout TextLayout::wrap(const QString& text, QSize box, bool wrap, int pitch,
                            const Advance& advance)
{
    TextLayout layout;
    layout.box = box;
    layout.wrapped = wrap;
    double widest = 0;
    const QStringList paragraphs =
        QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        ++layout.lines;
        const QStringView line(paragraph);
        double lineWidth = 0; // up to the end of its last word
        qsizetype lineStart = 0;
        qsizetype at = 0;
        while (at < line.size()) {
            qsizetype wordStart = at;
            while (wordStart < line.size() && line[wordStart] == QLatin1Char(' '))
                ++wordStart;
            qsizetype end = wordStart;
            while (end < line.size() && line[end] != QLatin1Char(' '))
                ++end;
            if (end == wordStart)
                break; // trailing spaces take no room
            const double withWord = advance(line.mid(lineStart, end - lineStart));
            if (wrap && withWord > box.width() && at > lineStart) {
                // The word starts a new line; the spaces before it vanish at the wrap.
                widest = std::max(widest, lineWidth);
                ++layout.lines;
                lineStart = wordStart;
                lineWidth = advance(line.mid(wordStart, end - wordStart));
            } else {
                lineWidth = withWord;
            }
            at = end;
        }
        widest = std::max(widest, lineWidth);
    }
    layout.width = int(std::ceil(widest - 0.001));
    layout.height = layout.lines * pitch;
    return layout;
}

TextLayout TextLayout::inFont(const QString& text, const QFont& font, QSize box, bool wrap,
                              bool cautious)
{
    const QFontMetricsF metrics(font);
    const double widen = cautious ? 1.02 : 1.0;
    const int pitch = int(std::ceil(metrics.lineSpacing())) + (cautious ? 1 : 0);
    TextLayout layout = TextLayout::wrap(text, box, wrap, pitch, [&](QStringView piece) {
        return metrics.horizontalAdvance(piece.toString()) * widen;
    });
    // The last line needs only its own height, not the room below it; cautious, every
    // line keeps its whole pitch.
    if (!cautious)
        layout.height -= int(std::ceil(metrics.lineSpacing())) - int(std::ceil(metrics.height()));
    return layout;
}
