#include "TextFit.h"

#include <QFile>
#include <QFontMetricsF>
#include <QHash>

#include <cmath>
#include <functional>

namespace {

struct Advances
{
    int regular = 0;
    int bold = 0;
};

// Thousandths of an em, by code point, from the tests' data.
const QHash<char32_t, Advances>& verdanaTable()
{
    static const QHash<char32_t, Advances> table = [] {
        QHash<char32_t, Advances> read;
        QFile file(QStringLiteral(":/test/verdana-advances.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("Verdana's metrics are missing from the tests' data");
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().simplified().split(' ');
            if (fields.first().startsWith('#') || fields.size() < 3)
                continue;
            const char32_t first = fields.first().toUInt(nullptr, 16);
            const char32_t last = fields.size() == 4 ? fields[1].toUInt(nullptr, 16) : first;
            const Advances advances{fields[fields.size() - 2].toInt(), fields.last().toInt()};
            for (char32_t code = first; code <= last; ++code)
                read.insert(code, advances);
        }
        return read;
    }();
    return table;
}

// Verdana's ascent and descent, 2059 and 430 units of 2048, make its line.
constexpr double VerdanaLineEm = (2059.0 + 430.0) / 2048.0;
// A hinted Windows font may draw each advance a little wider than published.
constexpr double HintingMargin = 1.02;

// Layouts are in device-independent pixels, 96 to the inch.
double pixelSize(const QFont& font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
}

using Advance = std::function<double(QStringView)>;

TextFit layOut(const QString& text, QSize box, bool wrap, int pitch, const Advance& advance)
{
    TextFit fit;
    fit.box = box;
    double widest = 0;
    const QStringList paragraphs = QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                       .split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        ++fit.lines;
        double line = 0; // up to the end of its last word
        qsizetype lineStart = 0;
        qsizetype wordEnd = 0;
        qsizetype at = 0;
        while (at < paragraph.size()) {
            qsizetype wordStart = at;
            while (wordStart < paragraph.size() && paragraph[wordStart] == QLatin1Char(' '))
                ++wordStart;
            qsizetype end = wordStart;
            while (end < paragraph.size() && paragraph[end] != QLatin1Char(' '))
                ++end;
            if (end == wordStart)
                break; // trailing spaces take no room
            const double withWord =
                advance(QStringView(paragraph).mid(lineStart, end - lineStart));
            if (wrap && withWord > box.width() && wordEnd > lineStart) {
                // The word starts a new line; the spaces before it vanish at the wrap.
                widest = std::max(widest, line);
                ++fit.lines;
                lineStart = wordStart;
                line = advance(QStringView(paragraph).mid(wordStart, end - wordStart));
            } else {
                line = withWord;
            }
            wordEnd = end;
            at = end;
        }
        widest = std::max(widest, line);
    }
    fit.width = int(std::ceil(widest - 0.001));
    fit.height = fit.lines * pitch;
    return fit;
}

} // namespace

QString TextFit::summary() const
{
    return QStringLiteral("%1 line%2, %3%4 px")
        .arg(lines)
        .arg(lines == 1 ? "" : "s")
        .arg(std::min(slackX(), slackY()) >= 0 ? "+" : "")
        .arg(std::min(slackX(), slackY()));
}

TextFit TextFit::inVerdana(const QString& text, const QFont& font, QSize box, bool wrap)
{
    const double size = pixelSize(font);
    const bool bold = font.weight() >= QFont::DemiBold;
    const auto& table = verdanaTable();
    const int pitch = int(std::ceil(VerdanaLineEm * size));
    return layOut(text, box, wrap, pitch, [&](QStringView piece) {
        double thousandths = 0;
        for (char32_t code : piece.toUcs4()) {
            const Advances advances = table.value(code, table.value(U'x'));
            thousandths += bold ? advances.bold : advances.regular;
        }
        return thousandths * size / 1000.0 * HintingMargin;
    });
}

TextFit TextFit::inFont(const QString& text, const QFont& font, QSize box, bool wrap)
{
    const QFontMetricsF metrics(font);
    TextFit fit = layOut(text, box, wrap, int(std::ceil(metrics.lineSpacing())),
                         [&](QStringView piece) { return metrics.horizontalAdvance(piece.toString()); });
    // The last line needs only its own height, not the space below it.
    fit.height -= int(std::ceil(metrics.lineSpacing())) - int(std::ceil(metrics.height()));
    return fit;
}

bool TextFit::verdanaCovers(const QString& text)
{
    const auto& table = verdanaTable();
    for (char32_t code : text.toUcs4())
        if (code >= U' ' && !table.contains(code))
            return false;
    return true;
}
