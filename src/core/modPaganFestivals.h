#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

// The festival table and the month chosen on the calendar page.
namespace modPaganFestivals {

inline constexpr int FirstYear = 2006;
inline constexpr int LastYear = 2008;
inline constexpr int MonthCount = 12 * (LastYear - FirstYear + 1);

// Written by the calendar page, read by the result window.
extern QString SelectedMonthName;
extern QString SelectedYear;

// One month block per month of 2006 to 2008, empty until the table is first built.
extern std::array<QString, MonthCount> FestivalMonths;

// Writes all 36 month blocks.
void BuildFestivalTable();

// (year - 2006) * 12 + (month - 1).
int MonthIndex(int year, int month);

// The days of a month (1..12) on which festivals fall, the same in every year.
QList<int> FestivalDays(int month);

// The festival line of a day as the table of that year words it; empty on other days.
QString FestivalOn(int year, int month, int day);

// The month block at an index; nothing for an index outside 0..35.
std::optional<QString> FestivalMonth(int index);

} // namespace modPaganFestivals
