#include "Verdana.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Regular and bold advances in thousandths of an em, by code point, from the tests' data.
const QHash<char32_t, std::pair<int, int>>& table()
{
    static const QHash<char32_t, std::pair<int, int>> read = [] {
        QHash<char32_t, std::pair<int, int>> advances;
        QFile file(QStringLiteral(":/test/verdana-advances.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("Verdana's metrics are missing from the tests' data");
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().simplified().split(' ');
            if (fields.size() < 3 || fields.first().startsWith('#'))
                continue;
            const char32_t first = fields.first().toUInt(nullptr, 16);
            for (char32_t code = first; code <= (fields.size() == 4 ? fields[1].toUInt(nullptr, 16) : first); ++code)
                advances.insert(code, {fields[fields.size() - 2].toInt(), fields.last().toInt()});
        }
        return advances;
    }();
    return read;
}

} // namespace

TextLayout Verdana::layOut(const QString& text, const QFont& font, QSize box, bool wrap)
{
    // In device-independent pixels, 96 to the inch.
    const double size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
    const bool bold = font.weight() >= QFont::DemiBold;
    // Its ascent and descent, 2059 and 430 units of 2048, make its line.
    const int pitch = int(std::ceil((2059.0 + 430.0) / 2048.0 * size));
    return TextLayout::wrap(text, box, wrap, pitch, [&](QStringView piece) {
        double thousandths = 0;
        for (char32_t code : piece.toUcs4()) {
            const auto advances = table().value(code, table().value(U'x'));
            thousandths += bold ? advances.second : advances.first;
        }
        return thousandths * size / 1000.0 * 1.02;
    });
}

bool Verdana::covers(const QString& text)
{
    const QList<uint> codes = text.toUcs4();
    return std::all_of(codes.begin(), codes.end(), [](uint code) { return code < U' ' || table().contains(code); });
}

bool Verdana::drawnAsUsersSeeIt([[maybe_unused]] const QFont& font)
{
#ifdef Q_OS_WIN
    return QFontInfo(font).family() == QLatin1String("Verdana");
#else
    return true;
#endif
}
