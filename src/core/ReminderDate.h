#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The update reminder's date as the text kept in the settings store: the
// locale's short date format, but always with a four-digit year, so that it
// reads back as the day it was written whatever century the locale assumes.
namespace ReminderDate {

// The text for date in locale. A locale whose text would not survive the
// settings codec (native digits, letters outside the ANSI code page) gets
// ISO 8601 instead, so the date is not mangled on its way into the store.
QString toText(const QDate& date, const QLocale& locale);

// The date a stored text stands for under locale; invalid when the text is
// not a date. A two-digit year is taken to be the one nearest to today. A text
// that locale cannot read is still a date if the program wrote it so in one of
// the common locales, the C locale's included: the user's locale may change.
QDate fromText(const QString& text, const QLocale& locale, const QDate& today);

// A date format with each two-digit year ("yy") made four digits; quoted literal text
// is left as it stands. Windows lets a user write any short date format, literals included.
QString withFullYear(const QString& format);

} // namespace ReminderDate
