#include "reference/InformationPage.h"

#include "controls/Look.h"
#include "controls/Twips.h"
#include "reference/ReferenceContent.h"

#include <QLabel>

InformationPage::InformationPage(QWidget* pageFrame) : QWidget(pageFrame)
{
    setObjectName(QStringLiteral("InformationPage"));
    setGeometry(pageFrame->rect());
    Label1 = introductionLabel(this, "Label1", Twips::rect(360, 600, 9405, 615),
                               ReferenceContent::ShortIntroduction);
    Label2 = introductionLabel(this, "Label2", Twips::rect(360, 1395, 9405, 1575),
                               ReferenceContent::LongIntroduction);
}

QLabel* InformationPage::introductionLabel(QWidget* parent, const char* name, const QRect& geometry,
                                           int introduction)
{
    // The window's own font, not the larger one of the entry texts.
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::transparent(label, Look::White);
    label->setGeometry(geometry);
    label->setText(ReferenceContent::text(ReferenceContent::IntroductionGroup, introduction));
    return label;
}
