#pragma once

class QString;

// The month is carried between the calendar page and the result window as the
// locale's full month name, so both find its number again the same way.
namespace MonthNames {

// 1..12 for the first month whose full name equals the text exactly (case
// and all), 0 when no month has that name.
int numberOf(const QString& fullName);

} // namespace MonthNames
