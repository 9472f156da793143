#include "core/ReminderDate.h"

#include "core/SettingsCodec.h"

namespace ReminderDate {

namespace {

constexpr char16_t Quote = u'\'';
const QString IsoFormat = QStringLiteral("yyyy-MM-dd");

// Qt puts a two-digit year into the 1900s; move it to the year with the same two
// last digits that lies within 50 years of today.
QDate IntoCenturyAround(const QDate& date, const QDate& today)
{
    const int twoDigits = date.year() % 100;
    const int first = today.year() - 50;
    const int year = first + ((twoDigits - first) % 100 + 100) % 100;
    return QDate(year, date.month(), date.day());
}

} // namespace

QString withFullYear(const QString& format)
{
    QString result;
    result.reserve(format.size() + 2);
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar character = format.at(i);
        if (character == Quote) {
            // A literal runs to the next lone quote; '' inside it is a quote character.
            qsizetype end = i + 1;
            while (end < format.size()) {
                if (format.at(end) == Quote) {
                    if (end + 1 < format.size() && format.at(end + 1) == Quote) {
                        end += 2;
                        continue;
                    }
                    break;
                }
                ++end;
            }
            end = qMin(end + 1, format.size());
            result += format.mid(i, end - i);
            i = end;
            continue;
        }
        if (character == u'y') {
            qsizetype run = 1;
            while (i + run < format.size() && format.at(i + run) == u'y')
                ++run;
            result += run == 2 ? QStringLiteral("yyyy") : format.mid(i, run);
            i += run;
            continue;
        }
        result += character;
        ++i;
    }
    return result;
}

QString toText(const QDate& date, const QLocale& locale)
{
    const QString text =
        locale.toString(date, withFullYear(locale.dateFormat(QLocale::ShortFormat)));
    if (DecodeSetting(EncodeSetting(text)) == text)
        return text;
    return date.toString(IsoFormat);
}

QDate fromText(const QString& text, const QLocale& locale, const QDate& today)
{
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    const QString fullYearFormat = withFullYear(shortFormat);
    QDate date = locale.toDate(text, fullYearFormat);
    if (date.isValid())
        return date;
    if (fullYearFormat != shortFormat) {
        date = locale.toDate(text, shortFormat);
        if (date.isValid())
            return IntoCenturyAround(date, today);
    }
    return QDate::fromString(text, IsoFormat);
}

} // namespace ReminderDate
