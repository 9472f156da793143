#include "core/ReminderDate.h"

#include "core/SettingsCodec.h"

namespace ReminderDate {

namespace {

constexpr char16_t Quote = u'\'';
const QString IsoFormat = QStringLiteral("yyyy-MM-dd");

// What the program may have written in an earlier start, when the user's locale was
// another (a terminal under C, a desktop session under the user's own): each locale's
// short date format with the year made four digits, as Qt 6.4 and 6.8 give it, and where
// a later Qt's locale data differs, its format too (Qt 6.11 gives C "d MM yyyy" for 6.8's
// "d MMM yyyy"): a date written before an upgrade, or after it by a copy on another
// machine sharing the home folder, must still read. The running Qt's own format of each
// locale is tried beside them. Where a text could be two of them ("10/11/2026"), the
// first wins.
struct WrittenFormat
{
    const char* locale;
    const char* format;
};
constexpr WrittenFormat EarlierFormats[] = {
    {"C", "d MMM yyyy"},     {"C", "d MM yyyy"},      {"en_US", "M/d/yyyy"},
    {"en_GB", "dd/MM/yyyy"}, {"de_DE", "dd.MM.yyyy"}, {"fr_FR", "dd/MM/yyyy"},
    {"es_ES", "d/M/yyyy"},   {"it_IT", "dd/MM/yyyy"}, {"pt_BR", "dd/MM/yyyy"},
    {"nl_NL", "dd-MM-yyyy"}, {"pl_PL", "d.MM.yyyy"},  {"sv_SE", "yyyy-MM-dd"},
    {"ru_RU", "dd.MM.yyyy"}, {"ja_JP", "yyyy/MM/dd"}, {"zh_CN", "yyyy/M/d"},
    {"ko_KR", "yyyy. M. d."}};

// The date text stands for in locale's format; invalid unless the date gives back
// text to the letter: "09/12/2026" is no en_US date (that would be "9/12/2026").
QDate WrittenAs(const QString& text, const QLocale& locale, const QString& format)
{
    const QDate date = locale.toDate(text, format);
    return date.isValid() && locale.toString(date, format) == text ? date : QDate();
}

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
    date = QDate::fromString(text, IsoFormat);
    if (date.isValid())
        return date;
    for (const WrittenFormat& written : EarlierFormats) {
        const QLocale earlier(QString::fromLatin1(written.locale));
        date = WrittenAs(text, earlier, QString::fromLatin1(written.format));
        if (!date.isValid())
            date = WrittenAs(text, earlier, withFullYear(earlier.dateFormat(QLocale::ShortFormat)));
        if (date.isValid())
            return date;
    }
    return {};
}

} // namespace ReminderDate
