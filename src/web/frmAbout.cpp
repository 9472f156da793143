#include "web/frmAbout.h"

#include "base/AppInfo.h"
#include "platform/FixedWindow.h"
#include "controls/DevicePicture.h"
#include "controls/LinkLabel.h"
#include "controls/Look.h"
#include "controls/Twips.h"
#include "controls/WindowPlacement.h"
#include "web/modHelp.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

const char* const frmAbout::Description =
    "Velloran shows the different Pagan, Witch, Druid and Heathen festivals along with certain "
    "important dates and events. The program also portrays the important neo-pagan festivals and "
    "religious holidays along with their origins which are important in modern paganism. "
    "All rights to Velloran are held by Tarrowmoor.";
const char* const frmAbout::Offer =
    "Home Business Opportunity. Start your own Internet business and make money online. "
    "Get this software fully branded for your website.";

namespace {

QLabel* makeText(const char* name, const char* text, const QFont& font, const QColor& colour,
                 const QRect& rect, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    // The box is as described; a font that needs more room than it has is set a
    // little smaller rather than losing the last line.
    label->setFont(Look::fontFittingBox(font, label->text(), rect.size()));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::transparent(label, colour);
    label->setGeometry(rect);
    return label;
}

LinkLabel* makeLink(const char* name, const char* caption, int left, int top, void (*command)(),
                    QWidget* parent)
{
    auto* link = new LinkLabel(QString::fromUtf8(caption), parent);
    link->setObjectName(QString::fromLatin1(name));
    link->setFont(Look::verdana(8.25, false, true));
    Look::transparent(link, Look::White);
    link->move(Twips::toPixels(left), Twips::toPixels(top));
    link->sizeToText();
    QObject::connect(link, &LinkLabel::clicked, link, [command] { command(); });
    // Enter closes the window through its default button, wherever the focus is.
    link->setActivatedByEnter(false);
    return link;
}

} // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(AppInfo::WindowCaption));
    setWindowIcon(AppInfo::programIcon());
    setFont(Look::verdana());
    Look::paint(this, Look::DarkTeal, Look::White);
    setFixedSize(Twips::size(7050, 3165));
    FixedWindow::keep(this);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::rect(5745, 2760, 1260, 345));
    // Enter presses it as the default button; Esc closes the dialog as its cancel.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* picIcon = new DevicePicture(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAccessibleName(QString::fromUtf8(AppInfo::Title));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setRaster(QString::fromLatin1(AppInfo::IconPicture), AppInfo::IconPictureSize);
    picIcon->setGeometry(Twips::rect(120, 45, 480, 480));

    auto* title = new QLabel(QString::fromUtf8(AppInfo::WindowCaption), this);
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(Look::verdana(14.25, true));
    Look::transparent(title, Look::White);
    title->move(Twips::toPixels(840), Twips::toPixels(45));
    title->adjustSize();

    makeText("Label1", Description, Look::verdana(), Look::Green, Twips::rect(840, 390, 6165, 975),
             this);
    auto* lblHomePage = makeLink("lblHomePage", "Click here to visit Tarrowmoor", 2955, 1365,
                                 &modHelp::OpenHomePage, this);
    makeText("Label3", Offer, Look::verdana(8.25, true), Look::Green,
             Twips::rect(120, 1800, 6885, 435), this);
    auto* lblCoBrand = makeLink("lblCoBrand", "Click here for more details", 4710, 2235,
                                &modHelp::OpenFullBrandPage, this);

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setFrameStyle(QFrame::NoFrame);
    Look::paint(rule, Look::White, Look::White);
    rule->setGeometry(Twips::toPixels(-15), Twips::toPixels(2640), Twips::toPixels(7080 + 15), 2);

    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblCoBrand);
    cmdOK->setFocus();
}

void frmAbout::showModal(QWidget* owner)
{
    // On the heap and watched: should the owner go while the window is up, it
    // takes the window with it and nothing is deleted twice.
    QPointer<frmAbout> about = new frmAbout(owner);
    WindowPlacement::centreOnScreen(about);
    about->exec();
    delete about.data();
}
