#pragma once

#include "reference/EntryGroupPage.h"

// The "Pagan Festive Seasons" page: the short introduction, a heading line,
// then the festive seasons entry group.
class FestiveSeasonsPage : public EntryGroupPage
{
    Q_OBJECT

public:
    explicit FestiveSeasonsPage(QWidget* pageFrame);

    static constexpr const char* Heading = "The following is the list of Pagan Festivals:";

private:
    QLabel* Label3;
    QLabel* Label4;
};
