#pragma once

#include "controls/LinkLabel.h"

// The forum banner at the top of the main and result windows; it opens the home page.
class ForumBanner : public LinkLabel
{
    Q_OBJECT

public:
    static const char* const Caption;

    // The rectangle is in pixels; the text wraps inside it.
    ForumBanner(QWidget* parent, const QRect& rect);
};
