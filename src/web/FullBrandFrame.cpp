#include "web/FullBrandFrame.h"

#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "web/modHelp.h"

const char* const FullBrandFrame::CobrandCaption =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
    "Put your site's name &  link here. See \"Help\" for details.    "
    "Click Here for more info on co-branding.";
const char* const FullBrandFrame::FullBrandCaption =
    "Home Business Opportunity. Start your own Internet business and make money online. "
    "Get this software fully branded for your website. Click here for more details.";

namespace {

LinkLabel* makeOutreachLabel(const char* caption, const char* name, LinkLabel::Cursor cursor,
                             const QRect& rect, QWidget* parent)
{
    auto* label = new LinkLabel(QString::fromUtf8(caption), parent, cursor);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(Look::verdana(8.25, true, true));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    // Opaque, so that the label behind cannot show through.
    Look::paint(label, Look::ButtonFace, Look::LinkBlue);
    label->setGeometry(rect);
    return label;
}

} // namespace

FullBrandFrame::FullBrandFrame(QWidget* parent, const QRect& frameRect, const QRect& labelRect)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraFullBrand"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    Look::paint(this, Look::ButtonFace, Qt::black);
    setGeometry(frameRect);
    // The labels reach down to the frame's inner edge: the lines of a font a little
    // taller than this one still find room.
    const QRect shownRect =
        labelRect.adjusted(0, 0, 0, frameRect.height() - frameWidth() - labelRect.bottom() - 1);

    // The stored order puts the full-brand label in front.
    cobrand = makeOutreachLabel(CobrandCaption, "lblCobrand", LinkLabel::Cursor::CoBrand, shownRect,
                                this);
    fullBrand = makeOutreachLabel(FullBrandCaption, "lblFullBrand", LinkLabel::Cursor::Hand,
                                  shownRect, this);
    connect(cobrand, &LinkLabel::clicked, this, [] { modHelp::OpenCoBrandPage(); });
    connect(fullBrand, &LinkLabel::clicked, this, [] { modHelp::OpenFullBrandPage(); });
    // Made last, the full-brand label is on top already; showing it explicitly here would lay
    // out its text now, before the window knows it is to be drawn.
    cobrand->hide();
}

LinkLabel* FullBrandFrame::frontLabel() const
{
    return cobrand->isVisibleTo(this) ? cobrand : fullBrand;
}

void FullBrandFrame::bringToFront(LinkLabel* label)
{
    LinkLabel* other = label == cobrand ? fullBrand : cobrand;
    label->raise();
    label->show();
    // Hidden, not just covered: a screen reader or the Tab key must not find it.
    other->hide();
}
