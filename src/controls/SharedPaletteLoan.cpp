#include "controls/SharedPaletteLoan.h"

#include <QList>
#include <QStyleOption>

SharedPaletteLoan::SharedPaletteLoan(const QStyleOption* option)
    : option(const_cast<QStyleOption*>(option)), own(option->palette)
{
    QPalette shared = sharedLike(own);
    shared.setCurrentColorGroup(own.currentColorGroup());
    this->option->palette = shared;
}

SharedPaletteLoan::~SharedPaletteLoan()
{
    option->palette = own;
}

QPalette SharedPaletteLoan::sharedLike(const QPalette& palette)
{
    // A handful of colour sets: the teal pages, the month view, the text boxes, the tabs.
    static QList<QPalette> shared;
    for (const QPalette& known : shared) {
        // Most often the shared one itself, lent to an outer drawing that draws its parts.
        if (known.isCopyOf(palette))
            return known;
    }
    for (const QPalette& known : shared) {
        if (known == palette)
            return known;
    }
    shared.append(palette);
    return palette;
}
