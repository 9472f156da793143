#pragma once

#include <QPalette>

class QStyleOption;

// Lends a style option, while the style draws with it, the one palette the program keeps for
// its colours. Qt gives every widget a palette of its own, with a cache key of its own, even
// where its colours are those of widgets drawn before; Fusion keys the drawings it keeps in
// QPixmapCache by that key, so every new window drew and kept its buttons and frames anew,
// never to find them again, until the cache was full. Equal palettes draw alike.
class SharedPaletteLoan
{
public:
    // The options a style is handed are the caller's own, made for the drawing; the widget's
    // palette is given back all the same, for a caller that draws on with the option.
    explicit SharedPaletteLoan(const QStyleOption* option);
    ~SharedPaletteLoan();
    SharedPaletteLoan(const SharedPaletteLoan&) = delete;
    SharedPaletteLoan& operator=(const SharedPaletteLoan&) = delete;

    // The first palette met with the same colours, or this one if it is the first of its
    // colours; it keeps its cache key as long as the program runs.
    static QPalette sharedLike(const QPalette& palette);

private:
    QStyleOption* option;
    const QPalette own;
};
