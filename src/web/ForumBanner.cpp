#include "web/ForumBanner.h"

#include "controls/Look.h"
#include "controls/TextLayout.h"
#include "web/modHelp.h"

const char* const ForumBanner::Caption =
    "The Most Popular Online Quillmere Discussion Forum. Click Here To Visit Tarrowmoor Now";

ForumBanner::ForumBanner(QWidget* parent, const QRect& rect)
    : LinkLabel(QString::fromUtf8(Caption), parent)
{
    setObjectName(QStringLiteral("Label14"));
    setFont(Look::verdana(8.25, true, true));
    Look::transparent(this, Look::White);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    // As tall as its lines need, also where a font in its place draws them a little
    // wider and further apart, so that no font loses the second line.
    const TextLayout needed = TextLayout::inFont(text(), font(), rect.size(), true, true);
    setGeometry(rect.adjusted(0, 0, 0, qMax(0, needed.height - rect.height())));
    connect(this, &LinkLabel::clicked, this, [] { modHelp::OpenHomePage(); });
}
