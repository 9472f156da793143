#include "core/ReminderDate.h"

#include "core/SettingsCodec.h"

namespace ReminderDate {

namespace {

constexpr char16_t Quote = u'\'';
const QString IsoFormat = QStringLiteral("yyyy-MM-dd");

// Locales whose dates the program may have written in an earlier start, when the
// user's locale was another (a terminal under C, a desktop session under the
// user's own). Where a text could be two of them ("10/11/2026"), the first wins.
constexpr const char* EarlierLocales[] = {"C",     "en_US", "en_GB", "de_DE", "fr_FR",
                                          "es_ES", "it_IT", "pt_BR", "nl_NL", "pl_PL",
                                          "sv_SE", "ru_RU", "ja_JP", "zh_CN", "ko_KR"};

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
    // Only what the program writes in that locale, to the letter: "09/12/2026" is
    // no en_US date (that would be "9/12/2026") but en_GB's 9 December.
    for (const char* name : EarlierLocales) {
        const QLocale earlier(QString::fromLatin1(name));
        date = earlier.toDate(text, withFullYear(earlier.dateFormat(QLocale::ShortFormat)));
        if (date.isValid() && toText(date, earlier) == text)
            return date;
    }
    return {};
}

} // namespace ReminderDate
