#include "web/ForumBanner.h"

#include "controls/Look.h"
#include "web/modHelp.h"

const char* const ForumBanner::Caption =
    "The Most Popular Online Quillmere Discussion Forum. Click Here To Visit Tarrowmoor Now";

ForumBanner::ForumBanner(QWidget* parent, const QRect& rect)
    : LinkLabel(QString::fromUtf8(Caption), parent)
{
    setObjectName(QStringLiteral("Label14"));
    setFont(Look::verdana(8.25, true, true));
    Look::transparent(this, Look::White);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setGeometry(rect);
    connect(this, &LinkLabel::clicked, this, [] { modHelp::OpenHomePage(); });
}
