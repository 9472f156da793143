#include "calendar/MonthNames.h"

#include "platform/SystemServices.h"

namespace MonthNames {

int numberOf(const QString& fullName)
{
    for (int month = 1; month <= 12; ++month) {
        if (fullName == FullMonthName(month))
            return month;
    }
    return 0;
}

} // namespace MonthNames
