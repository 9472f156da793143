#include "reference/FestiveSeasonsPage.h"

#include "controls/Look.h"
#include "controls/Twips.h"
#include "reference/InformationPage.h"

#include <QLabel>

FestiveSeasonsPage::FestiveSeasonsPage(QWidget* pageFrame)
    : EntryGroupPage(pageFrame, ReferenceContent::FestiveSeasons)
{
    setObjectName(QStringLiteral("FestiveSeasonsPage"));
    Label3 = InformationPage::introductionLabel(this, "Label3", Twips::rect(120, 240, 9800, 615),
                                                ReferenceContent::ShortIntroduction);

    // One line, as wide as its text.
    Label4 = new QLabel(QString::fromUtf8(Heading), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setTextFormat(Qt::PlainText);
    Look::transparent(Label4, Look::White);
    Label4->move(Twips::toPixels(120), Twips::toPixels(967));
    Label4->adjustSize();
}
