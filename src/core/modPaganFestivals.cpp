#include "core/modPaganFestivals.h"

namespace modPaganFestivals {

QString SelectedMonthName;
QString SelectedYear;
std::array<QString, MonthCount> FestivalMonths;

namespace {

struct Festival
{
    int month;
    int day;
    const char* line;
};

// The same days in every year; only the last line differs in 2008.
constexpr Festival Festivals[] = {
    {1, 23, "Day of Braciaca(2 DAYS)23rd Onward"},
    {2, 2, "IMBOLC"},
    {2, 13, "Festival of Love : Danu and cernunnos(9 DAYS) 13th Feb Onward"},
    {2, 28, "Day of Merriddyn"},
    {3, 1, "Feast of Merlin"},
    {3, 3, "Lesser Mysteries of Rhiannon (4 DAYS) 3rd March Onward"},
    {3, 21, "SPRING EQUINOX-(Eostre) and the start of the Rites of wine and Pleasure(5 DAYS)"},
    {4, 30, "BELTANE- and day of cernunnos"},
    {5, 23, "Day of Dark Goddess"},
    {6, 5, "Rites of Harvest (10 DAYS) 5th June Onward"},
    {6, 12, "Feast of Epona"},
    {6, 17, "Festival of the Birds (6 DAYS) 17 June Onwards"},
    {6, 21, "MIDSUMMER-(Litha)"},
    {6, 23, "Well Blessing Rites to the Water Goddess"},
    {7, 13, "Feast of cerridwen"},
    {7, 19, "Festival of the Forest Spirits (3 DAYS) 19th July Onward"},
    {8, 1, "LUGHNASADH"},
    {8, 5, "Day of Lugh"},
    {8, 14, "Day of the Queen of Heaven"},
    {8, 19, "Feast of the Late Wine"},
    {8, 22, "Festival of the Heroes (4 DAYS) 22nd August Onward"},
    {9, 7, "Birth of the Mother"},
    {9, 21, "AUTUMN EQUINOX"},
    {9, 24, "Greater Mysteries of llyr (5 DAYS) 24 th Sept Onward"},
    {9, 25, "Birth of Taliesin"},
    {10, 23, "SAMHAIN"},
    {11, 1, "Feast of Ancestors"},
    {11, 9, "Feast of Gods of Harvest and hunt(3 DAYS)"},
    {12, 2, "Feast of Rhiannon"},
    {12, 12, "day of Bellisama"},
    {12, 13, "Festival of Lights"},
    {12, 21, "YULE"},
    {12, 23, "Yuletide Tree and Elder Festival"},
    {12, 28, "Festival of Wine and pleasure (4 DAYS) 28th Dec Onward"},
};
constexpr const char* LastFestivalOf2008 =
    "Festival of Wine and pleasure (4 DAYS) 28th December Onward";

// The date lines are English whatever the user's locale.
constexpr const char* EnglishMonthNames[] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

const QString LineBreak = QStringLiteral("\r\n");

// The festival line as the table of that year words it.
QLatin1String festivalLine(int year, const Festival& festival)
{
    const bool lastOf2008 = year == 2008 && &festival == &Festivals[std::size(Festivals) - 1];
    return QLatin1String(lastOf2008 ? LastFestivalOf2008 : festival.line);
}

} // namespace

void BuildFestivalTable()
{
    for (int year = FirstYear; year <= LastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            QString block;
            for (const Festival& festival : Festivals) {
                if (festival.month != month)
                    continue;
                if (!block.isEmpty())
                    block += LineBreak + LineBreak;
                block += QStringLiteral("%1 %2, %3")
                             .arg(QLatin1String(EnglishMonthNames[month - 1]))
                             .arg(festival.day)
                             .arg(year);
                block += LineBreak;
                block += festivalLine(year, festival);
            }
            FestivalMonths[MonthIndex(year, month)] = block;
        }
    }
}

QList<int> FestivalDays(int month)
{
    QList<int> days;
    for (const Festival& festival : Festivals) {
        if (festival.month == month)
            days.append(festival.day);
    }
    return days;
}

QString FestivalOn(int year, int month, int day)
{
    for (const Festival& festival : Festivals) {
        if (festival.month == month && festival.day == day)
            return festivalLine(year, festival);
    }
    return QString();
}

int MonthIndex(int year, int month)
{
    return (year - FirstYear) * 12 + (month - 1);
}

std::optional<QString> FestivalMonth(int index)
{
    if (index < 0 || index >= MonthCount)
        return std::nullopt;
    return FestivalMonths[size_t(index)];
}

} // namespace modPaganFestivals
