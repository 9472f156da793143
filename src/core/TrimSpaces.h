#pragma once

#include <QString>

// Removes leading and trailing spaces only; tabs and line breaks stay.
QString TrimSpaces(const QString& text);
