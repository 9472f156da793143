#include "core/SettingsCodec.h"

#include <array>

namespace {

// Windows-1252 agrees with Latin-1 except for 0x80..0x9F. The five codes there
// that the page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1
// controls of the same number, as Windows itself converts them. Dropping them
// instead would lose the digit 8, the colon and the capital H on encoding, and
// stored dates would no longer come back as they were written.
// Eight codes a row, 0x80 to 0x9F.
// clang-format off
constexpr std::array<char16_t, 32> HighCodes = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

constexpr int NoCode = -1;
constexpr int Shift = 85;

// The character's code in the code page, or NoCode.
int AnsiCode(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (std::size_t i = 0; i < HighCodes.size(); ++i) {
        if (HighCodes[i] == unit)
            return 0x80 + int(i);
    }
    return NoCode;
}

// The character with the given code 0..255.
char16_t AnsiCharacter(int code)
{
    if (code >= 0x80 && code < 0xA0)
        return HighCodes[std::size_t(code - 0x80)];
    return char16_t(code);
}

QString ShiftCodes(const QString& text, int by)
{
    QString result;
    result.reserve(text.size());
    for (const QChar character : text) {
        const int code = AnsiCode(character.unicode());
        if (code == NoCode)
            continue;
        const int shifted = code + by;
        if (shifted < 0 || shifted > 255)
            continue;
        result.append(QChar(AnsiCharacter(shifted)));
    }
    return result;
}

} // namespace

QString EncodeSetting(const QString& text)
{
    return ShiftCodes(text, Shift);
}

QString DecodeSetting(const QString& text)
{
    return ShiftCodes(text, -Shift);
}
