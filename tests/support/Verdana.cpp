#include "Verdana.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QHash>

#include <cmath>

namespace {

struct Advances
{
    int regular = 0;
    int bold = 0;
};

// Thousandths of an em, by code point, from the tests' data.
const QHash<char32_t, Advances>& table()
{
    static const QHash<char32_t, Advances> read = [] {
        QHash<char32_t, Advances> advances;
        QFile file(QStringLiteral(":/test/verdana-advances.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("Verdana's metrics are missing from the tests' data");
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().simplified().split(' ');
            if (fields.first().startsWith('#') || fields.size() < 3)
                continue;
            const char32_t first = fields.first().toUInt(nullptr, 16);
            const char32_t last = fields.size() == 4 ? fields[1].toUInt(nullptr, 16) : first;
            for (char32_t code = first; code <= last; ++code)
                advances.insert(code, {fields[fields.size() - 2].toInt(), fields.last().toInt()});
        }
        return advances;
    }();
    return read;
}

} // namespace

namespace Verdana {

TextLayout layOut(const QString& text, const QFont& font, QSize box, bool wrap)
{
    // In device-independent pixels, 96 to the inch.
    const double size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
    const bool bold = font.weight() >= QFont::DemiBold;
    // Its ascent and descent, 2059 and 430 units of 2048, make its line.
    const int pitch = int(std::ceil((2059.0 + 430.0) / 2048.0 * size));
    return TextLayout::wrap(text, box, wrap, pitch, [&](QStringView piece) {
        double thousandths = 0;
        for (char32_t code : piece.toUcs4()) {
            const Advances advances = table().value(code, table().value(U'x'));
            thousandths += bold ? advances.bold : advances.regular;
        }
        return thousandths * size / 1000.0 * 1.02;
    });
}

bool covers(const QString& text)
{
    for (char32_t code : text.toUcs4())
        if (code >= U' ' && !table().contains(code))
            return false;
    return true;
}

bool drawnAsUsersSeeIt(const QFont& font)
{
#ifdef Q_OS_WIN
    return QFontInfo(font).family() == QLatin1String("Verdana");
#else
    Q_UNUSED(font);
    return true;
#endif
}

} // namespace Verdana
