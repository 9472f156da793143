#include "core/TrimSpaces.h"

QString TrimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == QLatin1Char(' '))
        ++first;
    while (end > first && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(first, end - first);
}
